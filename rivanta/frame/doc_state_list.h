// The states of the documents the plug-in has seen, in the order they were first activated, and
// the current one: the state of the document the host activated last.
#pragma once

#include "frame/doc_state.h"

#include <cstddef>
#include <forward_list>

class TzRvnDocStateList {
public:
    // Makes the document's state current; a document without one gets a new state at the end of
    // the list. Null for a null document.
    TzRvnDocState* activate(AcApDocument* document);
    // Frees the document's state, if it has one; when it was current, the first remaining state
    // (or none) becomes current.
    void remove(AcApDocument* document);

    TzRvnDocState* current() const { return current_; }
    TzRvnDocState* find(const AcApDocument* document);
    std::size_t size() const;
    const std::forward_list<TzRvnDocState>& states() const { return states_; }

private:
    std::forward_list<TzRvnDocState> states_;
    TzRvnDocState* current_ = nullptr;
};
