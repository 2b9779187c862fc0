// The module-wide table of the data items that the CICS Program Services have
// enumerated, by item name (exact, case-sensitive).  One table serves every
// component: a later enumeration of the same name replaces the record.  The
// table owns its records: a replaced record is freed, and all of them when
// the module unloads.
#pragma once

#include "CMapStringToPtr.h"

struct DataItemInfo {
    DataItemInfo() { ++s_live; }
    ~DataItemInfo() { --s_live; }
    DataItemInfo(const DataItemInfo&) = delete;
    DataItemInfo& operator=(const DataItemInfo&) = delete;

    int input = 0;  // 1: an input item ("IN")
    int string = 0; // 1: a string item ("STR"), else a number
    int length = 0; // the item's maximum length

    // How many records exist: the table must account for every one.
    static int Live() { return s_live; }

private:
    static int s_live;
};

class CDataItemTable : public CMapStringToPtr {
public:
    CDataItemTable() : CMapStringToPtr(10) {}
    ~CDataItemTable();

    // Stores the record under the name, freeing the one it replaces.
    void SetItem(const char* name, DataItemInfo* info);
    // The record of the name, or null.
    DataItemInfo* FindItem(const char* name) const;
    // Frees every record and empties the table.
    void RemoveAllItems();
};

extern CDataItemTable DataItemTable;
