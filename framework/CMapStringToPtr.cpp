#include "CMapStringToPtr.h"

#include <cstring>
#include <new>

#include "CException.h"
#include "CString.h"

struct CMapStringToPtr::Block {
    Block* next;
    // followed by m_nBlockSize Assoc records
    Assoc* Records() { return reinterpret_cast<Assoc*>(this + 1); }
};

namespace {
char* CopyKey(const char* key) {
    size_t length = std::strlen(key);
    char* copy = new (std::nothrow) char[length + 1];
    if (copy == nullptr)
        AfxThrowMemoryException();
    std::memcpy(copy, key, length + 1);
    return copy;
}
} // namespace

CMapStringToPtr::CMapStringToPtr(int blockSize) : m_nBlockSize(blockSize > 0 ? blockSize : 10) {}

CMapStringToPtr::~CMapStringToPtr() {
    RemoveAll();
}

UINT CMapStringToPtr::HashKey(const char* key) {
    UINT hash = 0;
    while (*key)
        hash = (hash << 5) + hash + static_cast<unsigned char>(*key++);
    return hash;
}

void CMapStringToPtr::InitHashTable(UINT hashSize) {
    if (m_nCount != 0 || hashSize == 0)
        return;
    delete[] m_pHashTable;
    m_pHashTable = nullptr;
    m_nHashTableSize = hashSize;
}

CMapStringToPtr::Assoc* CMapStringToPtr::GetAssocAt(const char* key, UINT& bucket,
                                                    UINT& hash) const {
    hash = HashKey(key);
    bucket = hash % m_nHashTableSize;
    if (m_pHashTable == nullptr)
        return nullptr;
    for (Assoc* assoc = m_pHashTable[bucket]; assoc != nullptr; assoc = assoc->next)
        if (assoc->hash == hash && std::strcmp(assoc->key, key) == 0)
            return assoc;
    return nullptr;
}

CMapStringToPtr::Assoc* CMapStringToPtr::NewAssoc(const char* key) {
    if (m_pFreeList == nullptr) {
        void* memory = ::operator new(sizeof(Block) + sizeof(Assoc) * m_nBlockSize, std::nothrow);
        if (memory == nullptr)
            AfxThrowMemoryException();
        Block* block = static_cast<Block*>(memory);
        block->next = m_pBlocks;
        m_pBlocks = block;
        Assoc* records = block->Records();
        for (int i = m_nBlockSize - 1; i >= 0; --i) {
            records[i].next = m_pFreeList;
            m_pFreeList = &records[i];
        }
    }
    char* copy = CopyKey(key); // may throw: take the record only afterwards
    Assoc* assoc = m_pFreeList;
    m_pFreeList = assoc->next;
    assoc->key = copy;
    assoc->value = nullptr;
    ++m_nCount;
    return assoc;
}

void CMapStringToPtr::FreeAssoc(Assoc* assoc) {
    delete[] assoc->key;
    assoc->key = nullptr;
    assoc->next = m_pFreeList;
    m_pFreeList = assoc;
    if (--m_nCount == 0)
        RemoveAll();
}

BOOL CMapStringToPtr::Lookup(const char* key, void*& value) const {
    if (key == nullptr)
        return FALSE;
    UINT bucket, hash;
    Assoc* assoc = GetAssocAt(key, bucket, hash);
    if (assoc == nullptr)
        return FALSE;
    value = assoc->value;
    return TRUE;
}

void*& CMapStringToPtr::operator[](const char* key) {
    if (key == nullptr)
        key = "";
    UINT bucket, hash;
    Assoc* assoc = GetAssocAt(key, bucket, hash);
    if (assoc == nullptr) {
        if (m_pHashTable == nullptr) {
            m_pHashTable = new (std::nothrow) Assoc*[m_nHashTableSize]();
            if (m_pHashTable == nullptr)
                AfxThrowMemoryException();
        }
        assoc = NewAssoc(key);
        assoc->hash = hash;
        assoc->next = m_pHashTable[bucket];
        m_pHashTable[bucket] = assoc;
    }
    return assoc->value;
}

void CMapStringToPtr::SetAt(const char* key, void* value) {
    (*this)[key] = value;
}

BOOL CMapStringToPtr::RemoveKey(const char* key) {
    if (key == nullptr || m_pHashTable == nullptr)
        return FALSE;
    UINT hash = HashKey(key);
    for (Assoc** link = &m_pHashTable[hash % m_nHashTableSize]; *link != nullptr;
         link = &(*link)->next) {
        Assoc* assoc = *link;
        if (assoc->hash == hash && std::strcmp(assoc->key, key) == 0) {
            *link = assoc->next;
            FreeAssoc(assoc);
            return TRUE;
        }
    }
    return FALSE;
}

void CMapStringToPtr::RemoveAll() {
    if (m_pHashTable != nullptr) {
        for (UINT bucket = 0; bucket < m_nHashTableSize; ++bucket)
            for (Assoc* assoc = m_pHashTable[bucket]; assoc != nullptr; assoc = assoc->next)
                delete[] assoc->key;
        delete[] m_pHashTable;
        m_pHashTable = nullptr;
    }
    while (m_pBlocks != nullptr) {
        Block* next = m_pBlocks->next;
        ::operator delete(m_pBlocks);
        m_pBlocks = next;
    }
    m_nCount = 0;
    m_pFreeList = nullptr;
}

POSITION CMapStringToPtr::GetStartPosition() const {
    return m_nCount == 0 ? nullptr : BEFORE_START_POSITION;
}

void CMapStringToPtr::GetNextAssoc(POSITION& pos, const char*& key, void*& value) const {
    Assoc* assoc = reinterpret_cast<Assoc*>(pos);
    UINT bucket = 0;
    if (m_pHashTable == nullptr)
        assoc = nullptr;
    if (assoc == reinterpret_cast<Assoc*>(BEFORE_START_POSITION)) {
        assoc = nullptr;
        for (; bucket < m_nHashTableSize && assoc == nullptr; ++bucket)
            assoc = m_pHashTable[bucket];
    }
    if (assoc == nullptr) { // a position past the end, or a map emptied meanwhile
        pos = nullptr;
        return;
    }
    Assoc* next = assoc->next;
    for (bucket = assoc->hash % m_nHashTableSize + 1; next == nullptr && bucket < m_nHashTableSize;
         ++bucket)
        next = m_pHashTable[bucket];
    pos = reinterpret_cast<POSITION>(next);
    key = assoc->key;
    value = assoc->value;
}

void CMapStringToPtr::GetNextAssoc(POSITION& pos, CString& key, void*& value) const {
    const char* text = nullptr;
    GetNextAssoc(pos, text, value);
    if (text != nullptr)
        key = text;
}
