// A hash map from texts to pointers.  Keys are copied into the map; the
// pointers are the caller's and are never freed by the map.  Nodes are
// allocated in blocks of the block size given at construction and all memory
// is returned when the map becomes empty.
#pragma once

#include <windows.h>

#include "AfxTypes.h"

class CString;

class CMapStringToPtr {
public:
    explicit CMapStringToPtr(int blockSize = 10);
    ~CMapStringToPtr();

    CMapStringToPtr(const CMapStringToPtr&) = delete;
    CMapStringToPtr& operator=(const CMapStringToPtr&) = delete;

    int GetCount() const { return m_nCount; }
    BOOL IsEmpty() const { return m_nCount == 0; }
    int GetBlockSize() const { return m_nBlockSize; }

    BOOL Lookup(const char* key, void*& value) const;
    void SetAt(const char* key, void* value);
    // The value slot for the key, made (holding null) when the key is new.
    void*& operator[](const char* key);
    BOOL RemoveKey(const char* key);
    void RemoveAll();

    POSITION GetStartPosition() const;
    // Yields the entry at pos and moves pos on (null after the last entry).
    void GetNextAssoc(POSITION& pos, const char*& key, void*& value) const;
    void GetNextAssoc(POSITION& pos, CString& key, void*& value) const;

    // Sets the number of hash buckets; only while the map is empty.
    void InitHashTable(UINT hashSize);

private:
    struct Assoc {
        Assoc* next;
        UINT hash;
        char* key;
        void* value;
    };
    struct Block;

    static UINT HashKey(const char* key);
    Assoc* GetAssocAt(const char* key, UINT& bucket, UINT& hash) const;
    Assoc* NewAssoc(const char* key);
    void FreeAssoc(Assoc* assoc);

    Assoc** m_pHashTable = nullptr;
    UINT m_nHashTableSize = 17;
    int m_nCount = 0;
    Assoc* m_pFreeList = nullptr;
    Block* m_pBlocks = nullptr;
    int m_nBlockSize;
};
