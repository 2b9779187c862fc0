// Visits every item of an outline below its root in the order the outline
// shows them (each item before its children), with the item's depth (0 for
// the root's children).  Saving and printing both write one line per visit.
#pragma once

#include "OutlineStore.h"

namespace mervik {

template <class Visit> void WalkOutline(const Outline& outline, Visit visit) {
    int depth = 0;
    for (Item* node = outline.root->firstChild; node != nullptr;) {
        visit(*node, depth);
        if (node->firstChild != nullptr) {
            node = node->firstChild;
            ++depth;
            continue;
        }
        while (node->next == nullptr && node->parent != outline.root) {
            node = node->parent;
            --depth;
        }
        node = node->next;
    }
}

} // namespace mervik
