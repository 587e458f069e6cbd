#include "collision/cell_node_pool.h"

#include <new>

CellNodePool::~CellNodePool() {
    while (blocks != nullptr) {
        Block* next = blocks->next;
        delete blocks;
        blocks = next;
    }
}

CellNode* CellNodePool::acquire(GameObject* object) {
    if (freeList == nullptr && !grow()) return nullptr;
    CellNode* node = freeList;
    freeList = node->next;
    node->next = nullptr;
    node->object = object;
    ++used;
    return node;
}

void CellNodePool::release(CellNode* node) {
    node->object = nullptr;
    node->next = freeList;
    freeList = node;
    --used;
}

bool CellNodePool::grow() {
    Block* block = new (std::nothrow) Block;
    if (block == nullptr) return false;
    block->next = blocks;
    blocks = block;
    for (CellNode& node : block->nodes) {
        node.next = freeList;
        freeList = &node;
    }
    return true;
}
