#include "db_entity_iterator.h"

AcDbObjectIterator::AcDbObjectIterator(std::vector<Entry> entries) : entries_(std::move(entries)) { start(); }

bool AcDbObjectIterator::erasedAt(std::ptrdiff_t position) const {
    return entries_[static_cast<std::size_t>(position)].id.isErased();
}

void AcDbObjectIterator::skipErased(bool backwards) {
    while (!done() && erasedAt(position_)) position_ += backwards ? -1 : 1;
}

void AcDbObjectIterator::start(bool atEnd) {
    position_ = atEnd ? static_cast<std::ptrdiff_t>(entries_.size()) - 1 : 0;
    skipErased(atEnd);
}

bool AcDbObjectIterator::done() const {
    return position_ < 0 || position_ >= static_cast<std::ptrdiff_t>(entries_.size());
}

void AcDbObjectIterator::step(bool backwards, bool skipErasedOnes) {
    if (done()) return;
    position_ += backwards ? -1 : 1;
    if (skipErasedOnes) skipErased(backwards);
}

AcDbObjectId AcDbObjectIterator::objectId() const {
    return done() ? AcDbObjectId() : entries_[static_cast<std::size_t>(position_)].id;
}

AcDbEntity* AcDbObjectIterator::entity() {
    return done() ? nullptr : entries_[static_cast<std::size_t>(position_)].entity;
}

bool AcDbObjectIterator::setPosition(AcDbObjectId id) {
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        if (!id.isNull() && entries_[i].id == id) {
            position_ = static_cast<std::ptrdiff_t>(i);
            return true;
        }
    }
    return false;
}
