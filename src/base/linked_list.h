#pragma once
// Singly linked lists threaded through their nodes' own next pointer, null at the end: the
// level's enemies, projectiles and effects.

// Walks the list from head to its end and unlinks every node for which leaves(node) is
// true, handing it to drop (which may destroy it) once it is out of the list. leaves may act
// on the node first: the node after it is read only once leaves has returned. The walk keeps
// the list's order and is linear however many nodes leave.
template <typename Node, typename Leaves, typename Drop>
void unlinkIf(Node*& head, Leaves leaves, Drop drop) {
    Node** link = &head;
    while (Node* node = *link) {
        if (leaves(*node)) {
            *link = node->next;
            drop(node);
        } else {
            link = &node->next;
        }
    }
}
