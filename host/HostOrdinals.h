/* The ordinals by which MERVIK11.DLL exports its outline operations, and the
 * byte size of each operation's arguments (stdcall).  This list is the only
 * place that numbers them: the import library that KORVAL11.DLL links against
 * and the export table of MERVIK11.DLL are both generated from it.
 *
 * The file is read by the C preprocessor only, so it must stay free of
 * anything but HOST_OPERATION lines and comments.
 *
 * HOST_OPERATION(ordinal, name, argument bytes)
 */

/* Tree */
HOST_OPERATION(1, HostGetRootItem, 4)
HOST_OPERATION(2, HostGetParent, 8)
HOST_OPERATION(3, HostGetFirstChild, 8)
HOST_OPERATION(4, HostGetLastChild, 8)
HOST_OPERATION(5, HostGetNextSibling, 8)
HOST_OPERATION(6, HostGetPreviousSibling, 8)
HOST_OPERATION(7, HostFindSubItem, 16)
HOST_OPERATION(8, HostFindNamedChild, 16)
HOST_OPERATION(9, HostGetChildKind, 8)

/* Items */
HOST_OPERATION(20, HostGetItemKind, 8)
HOST_OPERATION(21, HostGetKindName, 8)
HOST_OPERATION(22, HostGetItemText, 16)
HOST_OPERATION(23, HostSetItemText, 16)
HOST_OPERATION(24, HostGetItemProperty, 20)
HOST_OPERATION(25, HostSetItemProperty, 20)
HOST_OPERATION(26, HostNotifyItemChanged, 12)
HOST_OPERATION(27, HostGetNamedProperty, 16)
HOST_OPERATION(28, HostSetNamedProperty, 20)
HOST_OPERATION(29, HostRemoveNamedProperty, 12)
HOST_OPERATION(30, HostSetItemClass, 12)
HOST_OPERATION(31, HostIsItemProtected, 8)
HOST_OPERATION(32, HostMarkItemModified, 20)
HOST_OPERATION(33, HostSetDefaultName, 8)
HOST_OPERATION(34, HostPrepareItemText, 4)
HOST_OPERATION(35, HostParseStatement, 16)
HOST_OPERATION(36, HostUpdateClassDefinition, 8)
HOST_OPERATION(37, HostRefreshLibrary, 8)

/* Editing */
HOST_OPERATION(50, HostInsertItem, 16)
HOST_OPERATION(51, HostDeleteItem, 8)
HOST_OPERATION(52, HostCopyItem, 28)
HOST_OPERATION(53, HostCheckOutlineA, 4)
HOST_OPERATION(54, HostCheckOutlineB, 4)
HOST_OPERATION(55, HostSetOutlineMode, 8)
HOST_OPERATION(56, HostIsEditOpen, 4)
HOST_OPERATION(57, HostOpenEdit, 0)
HOST_OPERATION(58, HostEditMark, 4)
HOST_OPERATION(59, HostCloseEdit, 4)
HOST_OPERATION(60, HostEndEdit, 4)
HOST_OPERATION(61, HostCloseOutline, 4)
HOST_OPERATION(62, HostGetCurrentOutline, 0)

/* Windows and host numbers */
HOST_OPERATION(70, HostGetItemWindow, 8)
HOST_OPERATION(71, HostGetWindowItem, 4)
HOST_OPERATION(72, HostGetWindowOutline, 4)
HOST_OPERATION(73, HostRebuildItemWindow, 8)
HOST_OPERATION(74, HostGetWindowValue, 4)
HOST_OPERATION(75, HostUnitsToPixels, 24)
HOST_OPERATION(76, HostPixelsToUnits, 16)
HOST_OPERATION(77, HostNumberFromDouble, 12)
HOST_OPERATION(78, HostNumberToDouble, 8)

/* Strings and string arrays */
HOST_OPERATION(90, HostSetStringSize, 8)
HOST_OPERATION(91, HostLockString, 8)
HOST_OPERATION(92, HostFreeString, 4)
HOST_OPERATION(93, HostConvertText, 4)
HOST_OPERATION(94, HostGetStringById, 4)
HOST_OPERATION(95, HostCreateStringArray, 4)
HOST_OPERATION(96, HostResizeStringArray, 12)
HOST_OPERATION(97, HostSetArrayString, 12)
HOST_OPERATION(98, HostGetArrayString, 12)
HOST_OPERATION(99, HostDestroyStringArray, 4)

/* Running the designed application */
HOST_OPERATION(110, HostSetExecuting, 4)
HOST_OPERATION(111, HostExecute, 12)
