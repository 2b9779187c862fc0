// The module-wide table of the data items that the CICS services have
// enumerated, by item name.  It lives from the module's load to its unload.
#pragma once

#include "CMapStringToPtr.h"

extern CMapStringToPtr DataItemTable;
