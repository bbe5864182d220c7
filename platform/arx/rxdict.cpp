#include "rxdict.h"

#include <algorithm>

#include "aced.h"
#include "builtin_class.h"
#include "rxregsvc.h"

RVN_DEFINE_BUILTIN_MEMBERS(AcRxDictionary)

AcRxObject* AcRxDictionary::at(const ACHAR* key) const {
    if (key == nullptr) return nullptr;
    auto found = entries_.find(key);
    return found != entries_.end() ? found->second : nullptr;
}

AcRxObject* AcRxDictionary::atPut(const ACHAR* key, AcRxObject* object) {
    if (key == nullptr) return nullptr;
    auto [position, inserted] = entries_.try_emplace(key, object);
    if (inserted) {
        order_.push_back(key);
        return nullptr;
    }
    AcRxObject* previous = position->second;
    position->second = object;
    return previous;
}

AcRxObject* AcRxDictionary::remove(const ACHAR* key) {
    if (key == nullptr) return nullptr;
    auto found = entries_.find(key);
    if (found == entries_.end()) return nullptr;
    AcRxObject* removed = found->second;
    entries_.erase(found);
    order_.erase(std::find(order_.begin(), order_.end(), key));
    return removed;
}

bool AcRxDictionary::has(const ACHAR* key) const { return at(key) != nullptr; }

AcRxDictionaryIterator* AcRxDictionary::newIterator(AcRx::DictIterType type) const {
    std::vector<AcRxDictionaryIterator::Entry> entries;
    if (type == AcRx::kDictSorted) {
        for (const auto& [key, object] : entries_) entries.push_back({key, object});
    } else {
        for (const auto& key : order_) entries.push_back({key, entries_.at(key)});
    }
    return new AcRxDictionaryIterator(std::move(entries));
}

bool AcRxDictionaryIterator::next() {
    if (done()) return false;
    ++position_;
    return !done();
}

const ACHAR* AcRxDictionaryIterator::key() const { return done() ? nullptr : entries_[position_].key.c_str(); }

AcRxObject* AcRxDictionaryIterator::object() const { return done() ? nullptr : entries_[position_].object; }

AcRxDictionary* acrxSysRegistry() {
    static AcRxDictionary* registry = [] {
        auto* made = new AcRxDictionary;
        made->atPut(ACRX_CLASS_DICTIONARY, rvnhost::classDictionary());
        made->atPut(ACRX_COMMAND_DOCK, new AcEdCommandStack);
        made->atPut(ACRX_DYNAMIC_LINKER, new AcRxDynamicLinker);
        return made;
    }();
    return registry;
}
