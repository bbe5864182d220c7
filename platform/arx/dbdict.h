// Dictionaries of the drawing: named entries, each owning an object of the database.
// Keys compare without regard to case and keep the case they were given. Erased entries are not
// found, counted or iterated.
#pragma once

#include <string>
#include <vector>

#include "dbmain.h"
#include "rxdefs.h"

class AcDbDictionaryIterator;

class AcDbDictionary : public AcDbObject {
public:
    ACRX_DECLARE_MEMBERS(AcDbDictionary);

    // eKeyNotFound when there is no entry under key.
    Acad::ErrorStatus getAt(const ACHAR* key, AcDbObjectId& id) const;
    Acad::ErrorStatus getAt(const ACHAR* key, AcDbObject*& object, AcDb::OpenMode mode) const;
    // The name of the entry holding id: eKeyNotFound when none. The ACHAR* form allocates the name
    // (free it with acutDelString).
    Acad::ErrorStatus nameAt(AcDbObjectId id, ACHAR*& name) const;
    Acad::ErrorStatus nameAt(AcDbObjectId id, std::wstring& name) const;
    bool has(const ACHAR* key) const;
    bool has(AcDbObjectId id) const;

    // Needs the dictionary open for write and in a database (eNoDatabase). A new object is added
    // to the database (it is then open for write: close it); the dictionary becomes its owner.
    // An entry already under key is replaced and its object erased. eInvalidKey for an empty key.
    Acad::ErrorStatus setAt(const ACHAR* key, AcDbObject* newValue, AcDbObjectId& newId);
    // Remove the entry; its object stays in the database without owner. eKeyNotFound when none.
    Acad::ErrorStatus remove(const ACHAR* key);
    Acad::ErrorStatus remove(const ACHAR* key, AcDbObjectId& removedId);
    Acad::ErrorStatus remove(AcDbObjectId id);
    // Renames an entry: eKeyNotFound, or eDuplicateKey when newName is taken by another entry.
    Acad::ErrorStatus setName(const ACHAR* oldName, const ACHAR* newName);

    // The caller deletes the iterator; it walks the entries as they were when it was made.
    // Null when the dictionary is not open for read.
    AcDbDictionaryIterator* newIterator(AcRx::DictIterType type = AcRx::kDictSorted) const;

    Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
    Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;
    Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
    Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;

protected:
    // Erasing a dictionary erases the objects it owns (and unerasing brings them back).
    Acad::ErrorStatus subErase(bool erasing) override;

public:
    struct Entry {
        std::wstring key;
        AcDbObjectId id;
    };

private:
    std::vector<Entry>::const_iterator findLive(const ACHAR* key) const;
    std::vector<Entry>::const_iterator findLive(AcDbObjectId id) const;
    std::vector<Entry> liveEntries() const;

    std::vector<Entry> entries_;
};

class AcDbDictionaryIterator : public AcRxObject {
public:
    explicit AcDbDictionaryIterator(std::vector<AcDbDictionary::Entry> entries) : entries_(std::move(entries)) {}

    bool done() const { return position_ >= entries_.size(); }
    // Moves to the next entry; false when there is none.
    bool next();
    // Moves to the entry holding id; false when there is none.
    bool setPosition(AcDbObjectId id);
    const ACHAR* name() const;
    AcDbObjectId objectId() const;
    Acad::ErrorStatus getObject(AcDbObject*& object, AcDb::OpenMode mode) const;

private:
    std::vector<AcDbDictionary::Entry> entries_;
    std::size_t position_ = 0;
};
