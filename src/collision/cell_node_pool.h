#pragma once
// The nodes of the cell lists and where they come from. Moving objects leave and enter
// cells every frame, so nodes are recycled through a free list instead of the heap; the
// pool only grows, a block at a time, and frees its blocks when it is destroyed.
class GameObject;

struct CellNode {
    CellNode* next = nullptr; // null at the end of the list
    GameObject* object = nullptr;
};

class CellNodePool {
  public:
    CellNodePool() = default;
    ~CellNodePool();
    CellNodePool(const CellNodePool&) = delete;
    CellNodePool& operator=(const CellNodePool&) = delete;

    // A node holding object with next null; null only if a new block cannot be allocated.
    CellNode* acquire(GameObject* object);

    // Takes back a node from acquire; it must no longer be in any list.
    void release(CellNode* node);

    // Nodes handed out and not yet taken back.
    int inUse() const { return used; }

  private:
    static constexpr int kBlockNodes = 512;
    struct Block {
        Block* next;
        CellNode nodes[kBlockNodes];
    };
    bool grow();

    Block* blocks = nullptr;
    CellNode* freeList = nullptr;
    int used = 0;
};
