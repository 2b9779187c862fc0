// The doubly linked list behind CObList and CStringList.  Nodes are carved
// from blocks of the block size given at construction and kept on a free
// list; all blocks are returned when the list becomes empty.  Removing from an
// empty list or at a null position does nothing (and answers an empty value).
#pragma once

#include <new>

#include "AfxTypes.h"
#include "CException.h"

template <class T> class AfxPlexList {
public:
    explicit AfxPlexList(int blockSize) : m_nBlockSize(blockSize > 0 ? blockSize : 10) {}
    ~AfxPlexList() { RemoveAll(); }
    AfxPlexList(const AfxPlexList&) = delete;
    AfxPlexList& operator=(const AfxPlexList&) = delete;

    int GetCount() const { return m_nCount; }
    int GetBlockSize() const { return m_nBlockSize; }
    POSITION GetHeadPosition() const { return Pos(m_pHead); }
    POSITION GetTailPosition() const { return Pos(m_pTail); }
    T& Head() { return m_pHead->data; }
    T& Tail() { return m_pTail->data; }

    POSITION AddTail(const T& value) {
        Node* node = NewNode(value, m_pTail, nullptr);
        (m_pTail != nullptr ? m_pTail->next : m_pHead) = node;
        m_pTail = node;
        return Pos(node);
    }
    POSITION AddHead(const T& value) {
        Node* node = NewNode(value, nullptr, m_pHead);
        (m_pHead != nullptr ? m_pHead->prev : m_pTail) = node;
        m_pHead = node;
        return Pos(node);
    }
    POSITION InsertBefore(POSITION pos, const T& value) {
        Node* at = NodeAt(pos);
        if (at == nullptr)
            return AddHead(value);
        Node* node = NewNode(value, at->prev, at);
        (at->prev != nullptr ? at->prev->next : m_pHead) = node;
        at->prev = node;
        return Pos(node);
    }
    POSITION InsertAfter(POSITION pos, const T& value) {
        Node* at = NodeAt(pos);
        if (at == nullptr)
            return AddTail(value);
        Node* node = NewNode(value, at, at->next);
        (at->next != nullptr ? at->next->prev : m_pTail) = node;
        at->next = node;
        return Pos(node);
    }

    T& At(POSITION pos) { return NodeAt(pos)->data; }
    T& Next(POSITION& pos) {
        Node* node = NodeAt(pos);
        pos = Pos(node->next);
        return node->data;
    }
    T& Prev(POSITION& pos) {
        Node* node = NodeAt(pos);
        pos = Pos(node->prev);
        return node->data;
    }

    T RemoveHead() { return Remove(m_pHead); }
    T RemoveTail() { return Remove(m_pTail); }
    void RemoveAt(POSITION pos) { Remove(NodeAt(pos)); }
    void RemoveAll() {
        for (Node* node = m_pHead; node != nullptr; node = node->next)
            node->data.~T();
        while (m_pBlocks != nullptr) {
            Block* next = m_pBlocks->next;
            ::operator delete(m_pBlocks);
            m_pBlocks = next;
        }
        m_pHead = m_pTail = m_pFree = nullptr;
        m_nCount = 0;
    }

    template <class Match> POSITION FindIf(Match match, POSITION after) const {
        Node* node = after == nullptr ? m_pHead : NodeAt(after)->next;
        for (; node != nullptr; node = node->next)
            if (match(node->data))
                return Pos(node);
        return nullptr;
    }
    POSITION FindIndex(int index) const {
        if (index < 0 || index >= m_nCount)
            return nullptr;
        Node* node = m_pHead;
        while (index-- > 0)
            node = node->next;
        return Pos(node);
    }

private:
    struct Node {
        Node* next;
        Node* prev;
        T data;
    };
    struct Block {
        Block* next;
    };
    static POSITION Pos(Node* node) { return reinterpret_cast<POSITION>(node); }
    static Node* NodeAt(POSITION pos) { return reinterpret_cast<Node*>(pos); }

    Node* NewNode(const T& value, Node* prev, Node* next) {
        if (m_pFree == nullptr) {
            // Nodes sit after the block header, aligned for a node.
            const size_t header =
                (sizeof(Block) + alignof(Node) - 1) / alignof(Node) * alignof(Node);
            void* memory = ::operator new(header + sizeof(Node) * m_nBlockSize, std::nothrow);
            if (memory == nullptr)
                AfxThrowMemoryException();
            Block* block = static_cast<Block*>(memory);
            block->next = m_pBlocks;
            m_pBlocks = block;
            char* records = static_cast<char*>(memory) + header;
            for (int i = m_nBlockSize - 1; i >= 0; --i) {
                Node* node = reinterpret_cast<Node*>(records + sizeof(Node) * i);
                node->next = m_pFree;
                m_pFree = node;
            }
        }
        Node* node = m_pFree;
        new (&node->data) T(value); // may throw: the node is taken only afterwards
        m_pFree = node->next;
        node->prev = prev;
        node->next = next;
        ++m_nCount;
        return node;
    }

    T Remove(Node* node) {
        if (node == nullptr)
            return T();
        T value(node->data); // may throw: the node is unlinked only afterwards
        (node->prev != nullptr ? node->prev->next : m_pHead) = node->next;
        (node->next != nullptr ? node->next->prev : m_pTail) = node->prev;
        node->data.~T();
        node->next = m_pFree;
        m_pFree = node;
        if (--m_nCount == 0)
            RemoveAll();
        return value;
    }

    Node* m_pHead = nullptr;
    Node* m_pTail = nullptr;
    Node* m_pFree = nullptr;
    Block* m_pBlocks = nullptr;
    int m_nCount = 0;
    int m_nBlockSize;
};
