// The data items a CICS Program Service offers, from its DSITEMS property:
// a count, then four blank-separated tokens per item (name, "IN" for an
// input, "STR" for a string, length).
#pragma once

#include <windows.h>

#include "HostOutline.h"

// Fills the host string array with the item names and records each item in
// DataItemTable; answers the number of items, or 0 for a component that is no
// data source, a Transaction Service, a DSITEMS without a count or with a
// negative one, or an array the host cannot size.  Kit and framework
// exceptions propagate.
int EnumerateDataItems(HWND component, HOSTSTRARRAY array);

extern "C" int DSEnumItems(HWND component, HOSTSTRARRAY array);
