// The wiring object's default names and labels of wired windows.
#include "KTextMetrics.h"
#include "KWiringObject.h"

namespace {
const int KIND_DATA_FIELD = 4, KIND_MULTILINE = 5, KIND_PUSH_BUTTON = 6, KIND_RADIO = 7,
          KIND_CHECK_BOX = 8, KIND_LABEL = 12, KIND_LIST_BOX = 14, KIND_COMBO_BOX = 15,
          KIND_PICTURE = 18, KIND_CHILD_TABLE = 273;
const int KIND_LEFT = 230, KIND_TOP = 233, KIND_WIDTH = 235, KIND_HEIGHT = 229;

const char* NamePrefix(int kind) {
    switch (kind) {
    case KIND_DATA_FIELD: return "df";
    case KIND_MULTILINE: return "mle";
    case KIND_PUSH_BUTTON: return "pb";
    case KIND_RADIO: return "rb";
    case KIND_CHECK_BOX: return "chk";
    case KIND_LIST_BOX: return "lb";
    case KIND_COMBO_BOX: return "cmb";
    case KIND_PICTURE: return "pic";
    case KIND_CHILD_TABLE: return "Ostra";
    default: return "vis";
    }
}

// A push button is named from its command, every other window from its data item.
const char* WiredKey(int kind) { return kind == KIND_PUSH_BUTTON ? "COMMAND" : "ITEM"; }
} // namespace

BOOL CKWiringObject::MakeDefaultName() {
    int kind = GetKind();
    CKString value;
    GetNamedProperty(WiredKey(kind), value);
    if (value.IsEmpty())
        return HostSetDefaultName(m_hOutline, m_hItem);
    CKString name = CKString(NamePrefix(kind)) + value;
    HOSTSTR prepared = HostPrepareItemText(name);
    name = CKString(prepared);
    HostFreeString(prepared);
    return SetText(name);
}

BOOL CKWiringObject::ApplyDefaultName() {
    CKString value;
    GetNamedProperty(WiredKey(GetKind()), value);
    if (value.IsEmpty())
        return HostSetDefaultName(m_hOutline, m_hItem);
    return MakeDefaultName();
}

BOOL CKWiringObject::CreateLabel() {
    int kind = GetKind();
    if (kind == KIND_PUSH_BUTTON || kind == KIND_RADIO || kind == KIND_CHECK_BOX ||
        kind == KIND_CHILD_TABLE)
        return 0;
    CKWiringObject container, parent;
    GetContainer(container);
    GetParent(parent);
    int charWidth = AverageCharWidth(container.m_hWnd);
    int lineHeight = LineHeight(container.m_hWnd);
    if (parent.m_hItem == 0)
        return 0;

    BOOL open = HostIsEditOpen(m_hOutline);
    if (!open)
        HostOpenEdit();
    HITEM labelItem = HostInsertItem(m_hOutline, parent.m_hItem,
                                     HostGetPreviousSibling(m_hOutline, m_hItem), KIND_LABEL);
    HEDITMARK mark = HostEditMark(labelItem);
    if (!open) {
        HostCloseEdit(mark);
        HostEndEdit(1);
    }
    if (labelItem == 0)
        return 1;

    CKString text;
    GetNamedProperty("ITEM", text);
    text.MakeLabelText();
    CKWiringObject label(labelItem);
    label.SetClass("cZarvoLabel");
    label.SetText(text);
    CKString field;
    GetText(field);
    label.SetNamedProperty("FIELD", field);

    int top = 0, left = 0, width = 0, height = 0;
    GetPosition(KIND_TOP, &top);
    GetPosition(KIND_LEFT, &left);
    GetPosition(KIND_WIDTH, &width);
    GetPosition(KIND_HEIGHT, &height);
    int labelWidth = (text.GetLength() + 3) * charWidth;
    int labelLeft = left - (labelWidth + charWidth / 2);
    label.SetPosition(KIND_LEFT, labelLeft);
    label.SetPosition(KIND_WIDTH, labelWidth);
    label.SetPosition(KIND_TOP, top);
    label.SetPosition(KIND_HEIGHT, lineHeight);
    label.RebuildWindow();
    return 1;
}
