#include "DataItemTable.h"

int DataItemInfo::s_live = 0;

CDataItemTable::~CDataItemTable() { RemoveAllItems(); }

void CDataItemTable::RemoveAllItems() {
    for (POSITION pos = GetStartPosition(); pos != nullptr;) {
        const char* name = nullptr;
        void* info = nullptr;
        GetNextAssoc(pos, name, info);
        delete static_cast<DataItemInfo*>(info);
    }
    RemoveAll();
}

void CDataItemTable::SetItem(const char* name, DataItemInfo* info) {
    void*& slot = (*this)[name];
    if (slot != info)
        delete static_cast<DataItemInfo*>(slot);
    slot = info;
}

DataItemInfo* CDataItemTable::FindItem(const char* name) const {
    void* info = nullptr;
    return Lookup(name, info) ? static_cast<DataItemInfo*>(info) : nullptr;
}
