// Runtime dictionaries: name to object maps of the host's run-time system. The system registry
// (acrxSysRegistry) holds the class dictionary, the command stack and the dynamic linker.
// A runtime dictionary does not own the objects it maps; names are case-sensitive.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "AdAChar.h"
#include "adesk.h"
#include "rxdefs.h"
#include "rxobject.h"

#define ACRX_CLASS_DICTIONARY L"ClassDictionary"
#define ACRX_COMMAND_DOCK L"ACAD_REGISTERED_COMMANDS"
#define ACRX_DYNAMIC_LINKER L"DynamicLinker"

class AcRxDictionaryIterator;

class AcRxDictionary : public AcRxObject {
public:
    ACRX_DECLARE_MEMBERS(AcRxDictionary);

    // The object under key, or null.
    AcRxObject* at(const ACHAR* key) const;
    // Maps key to object; returns the object it replaced, or null.
    AcRxObject* atPut(const ACHAR* key, AcRxObject* object);
    // Removes key; returns the object it mapped, or null.
    AcRxObject* remove(const ACHAR* key);
    bool has(const ACHAR* key) const;
    Adesk::UInt32 numEntries() const { return static_cast<Adesk::UInt32>(order_.size()); }
    // The caller deletes the iterator. It walks the entries as they were when it was made.
    AcRxDictionaryIterator* newIterator(AcRx::DictIterType type = AcRx::kDictSorted) const;

private:
    std::map<std::wstring, AcRxObject*> entries_;
    std::vector<std::wstring> order_;
};

class AcRxDictionaryIterator : public AcRxObject {
public:
    struct Entry {
        std::wstring key;
        AcRxObject* object;
    };
    explicit AcRxDictionaryIterator(std::vector<Entry> entries) : entries_(std::move(entries)) {}

    bool done() const { return position_ >= entries_.size(); }
    bool next();
    const ACHAR* key() const;
    AcRxObject* object() const;

private:
    std::vector<Entry> entries_;
    std::size_t position_ = 0;
};

AcRxDictionary* acrxSysRegistry();
