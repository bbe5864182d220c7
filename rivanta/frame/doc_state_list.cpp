#include "frame/doc_state_list.h"

#include <iterator>

TzRvnDocState* TzRvnDocStateList::find(const AcApDocument* document) {
    for (TzRvnDocState& state : states_) {
        if (state.document() == document) return &state;
    }
    return nullptr;
}

TzRvnDocState* TzRvnDocStateList::activate(AcApDocument* document) {
    if (document == nullptr) return nullptr;
    TzRvnDocState* state = find(document);
    if (state == nullptr) {
        auto last = states_.before_begin();
        for (auto next = std::next(last); next != states_.end(); ++next) last = next;
        state = &*states_.emplace_after(last, document);
    }
    current_ = state;
    return state;
}

void TzRvnDocStateList::remove(AcApDocument* document) {
    for (auto before = states_.before_begin(), at = states_.begin(); at != states_.end(); before = at++) {
        if (at->document() != document) continue;
        const bool wasCurrent = current_ == &*at;
        states_.erase_after(before);
        if (wasCurrent) current_ = states_.empty() ? nullptr : &states_.front();
        return;
    }
}

std::size_t TzRvnDocStateList::size() const {
    return static_cast<std::size_t>(std::distance(states_.begin(), states_.end()));
}
