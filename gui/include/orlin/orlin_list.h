// OrlinList: a doubly linked list of item pointers, optionally owning them.
//
// Items are compared by pointer identity. Index walks start from whichever
// end of the chain is nearer. The operations are virtual so that lists of
// other element types can give the key operations a meaning of their own.
#pragma once

#include <cstdint>

template <typename T>
struct OrlinListNode {
    OrlinListNode* prev = nullptr;
    OrlinListNode* next = nullptr;
    T* item = nullptr;
};

template <typename T>
class OrlinList {
public:
    using Node = OrlinListNode<T>;

    Node* head = nullptr;
    Node* tail = nullptr;
    std::uint32_t count = 0;
    bool ownsItems = false;

    explicit OrlinList(bool owns = false) : ownsItems(owns) {}
    OrlinList(const OrlinList&) = delete;
    OrlinList& operator=(const OrlinList&) = delete;

    virtual Node* insertAfter(T* item, Node* node)
    {
        if (node == nullptr || count == 0)
            return insert(item, -1);
        Node* added = new Node{node, node->next, item};
        if (node == tail)
            tail = added;
        else
            node->next->prev = added;
        node->next = added;
        ++count;
        return added;
    }

    virtual Node* insert(T* item, int index)
    {
        Node* added = new Node{nullptr, nullptr, item};
        if (count == 0) {
            head = tail = added;
        } else if (index <= 0) {
            added->next = head;
            head->prev = added;
            head = added;
        } else if (static_cast<std::uint32_t>(index) >= count) {
            added->prev = tail;
            tail->next = added;
            tail = added;
        } else {
            Node* at = nodeAt(index);
            added->prev = at->prev;
            added->next = at;
            at->prev->next = added;
            at->prev = added;
        }
        ++count;
        return added;
    }

    virtual void walk()
    {
        Node* node = head;
        for (std::uint32_t i = 0; i < count && node != nullptr; ++i)
            node = node->next;
    }

    virtual T* get(int index)
    {
        Node* node = nodeAt(index);
        return node != nullptr ? node->item : nullptr;
    }

    virtual Node* findNode(T* item)
    {
        for (Node* node = head; node != nullptr; node = node->next)
            if (node->item == item)
                return node;
        return nullptr;
    }

    virtual Node* nodeAt(int index)
    {
        if (index < 0 || static_cast<std::uint32_t>(index) >= count)
            return nullptr;
        std::uint32_t target = static_cast<std::uint32_t>(index);
        if (target == 0)
            return head;
        if (target == count - 1)
            return tail;
        if (target < count / 2) {
            Node* node = head;
            for (std::uint32_t i = 0; i < target; ++i)
                node = node->next;
            return node;
        }
        Node* node = tail;
        for (std::uint32_t i = count - 1; i > target; --i)
            node = node->prev;
        return node;
    }

    virtual int indexOf(T* item)
    {
        int index = 0;
        for (Node* node = head; node != nullptr; node = node->next, ++index)
            if (node->item == item)
                return index;
        return -1;
    }

    // Element types without a key never match.
    virtual int indexOfKey(std::int32_t /*key*/) { return -1; }
    virtual Node* findKeyNode(std::int32_t /*key*/) { return nullptr; }

    virtual bool removeAt(int index) { return removeNode(nodeAt(index)); }
    virtual bool remove(T* item) { return removeNode(findNode(item)); }
    virtual bool removeKey(std::int32_t key) { return removeNode(findKeyNode(key)); }

    // The node must belong to this list; that is not checked.
    virtual bool removeNode(Node* node)
    {
        if (node == nullptr)
            return false;
        if (node == head)
            head = node->next;
        if (node == tail)
            tail = node->prev;
        if (ownsItems)
            delete node->item;
        --count;
        if (node->prev != nullptr)
            node->prev->next = node->next;
        if (node->next != nullptr)
            node->next->prev = node->prev;
        delete node;
        return true;
    }

    virtual ~OrlinList()
    {
        Node* node = head;
        while (node != nullptr) {
            Node* next = node->next;
            if (ownsItems)
                delete node->item;
            delete node;
            node = next;
        }
        head = tail = nullptr;
        count = 0;
    }
};
