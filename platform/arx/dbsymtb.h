// Symbol tables of the drawing (blocks, layers, linetypes, text styles, registered applications)
// and their records. Record names compare without regard to case; records are kept in the order
// they were added. Erased records are skipped unless asked for.
#pragma once

#include <string>
#include <vector>

#include "dbmain.h"
#include "gepnt3d.h"

class AcDbSymbolTableRecord : public AcDbObject {
public:
    ACRX_DECLARE_MEMBERS(AcDbSymbolTableRecord);

    // The name as a new string (free it with acutDelString).
    Acad::ErrorStatus getName(ACHAR*& name) const;
    // The name inside the record, valid while the record is open.
    Acad::ErrorStatus getName(const ACHAR*& name) const;
    Acad::ErrorStatus getName(std::wstring& name) const;
    // eInvalidSymbolTableName for an empty or malformed name, eDuplicateRecordName when another
    // record of the same table has it. Needs the record open for write.
    Acad::ErrorStatus setName(const ACHAR* name);

    Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
    Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;
    Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
    Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;

protected:
    AcDbSymbolTableRecord() = default;
    const std::wstring& nameText() const { return name_; }
    // DXF of a record class: 100 (its subclass marker), 2 (the name), 70 (its flags); reading
    // checks the marker (eBadDxfSequence) and takes the name and the flags.
    Acad::ErrorStatus dxfOutNameAndFlags(AcDbDxfFiler* filer, const ACHAR* subclass, Adesk::Int16 flags) const;
    Acad::ErrorStatus dxfInNameAndFlags(AcDbDxfFiler* filer, const ACHAR* subclass, Adesk::Int16& flags);

private:
    friend class AcDbSymbolTable;
    std::wstring name_;
};

class AcDbSymbolTableIterator : public AcRxObject {
public:
    AcDbSymbolTableIterator(std::vector<AcDbObjectId> records, bool atBeginning, bool skipErased);

    // To the first (or last) record.
    void start(bool atBeginning = true, bool skipErased = true);
    bool done() const;
    void step(bool forward = true, bool skipErased = true);
    Acad::ErrorStatus getRecordId(AcDbObjectId& id) const;
    Acad::ErrorStatus getRecord(AcDbSymbolTableRecord*& record, AcDb::OpenMode mode,
                                bool openErasedRecord = false) const;
    // To the record with that id: eKeyNotFound when the table has none.
    Acad::ErrorStatus seek(AcDbObjectId id);

private:
    void skipErasedFrom(bool forward);

    std::vector<AcDbObjectId> records_;
    std::ptrdiff_t position_ = 0;
};

template <class Record>
class AcDbSymbolTableIteratorOf : public AcDbSymbolTableIterator {
public:
    using AcDbSymbolTableIterator::AcDbSymbolTableIterator;
    using AcDbSymbolTableIterator::getRecord;
    Acad::ErrorStatus getRecord(Record*& record, AcDb::OpenMode mode, bool openErasedRecord = false) const {
        record = nullptr;
        AcDbObjectId id;
        Acad::ErrorStatus status = getRecordId(id);
        if (status != Acad::eOk) return status;
        return acdbOpenObject(record, id, mode, openErasedRecord);
    }
};

class AcDbSymbolTable : public AcDbObject {
public:
    ACRX_DECLARE_MEMBERS(AcDbSymbolTable);

    // eKeyNotFound when no record has that name.
    Acad::ErrorStatus getAt(const ACHAR* name, AcDbObjectId& id, bool getErasedRecord = false) const;
    Acad::ErrorStatus getAt(const ACHAR* name, AcDbSymbolTableRecord*& record, AcDb::OpenMode mode,
                            bool openErasedRecord = false) const;
    Acad::ErrorStatus getIdAt(const ACHAR* name, AcDbObjectId& id, bool getErasedRecord = false) const;
    bool has(const ACHAR* name) const;
    bool has(AcDbObjectId id) const;
    // The caller deletes the iterator; it walks the records as they were when it was made.
    Acad::ErrorStatus newIterator(AcDbSymbolTableIterator*& iterator, bool atBeginning = true,
                                  bool skipErased = true) const;

    Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
    Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;
    Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
    Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;

    // The record with that name (erased ones only when asked), or a null id.
    AcDbObjectId findRecord(const std::wstring& name, bool includeErased) const;
    // The records in the order they were added, erased ones included.
    const std::vector<AcDbObjectId>& recordIds() const { return records_; }
    // The name of any record, read by the host without opening it (empty for no record).
    static std::wstring recordName(AcDbObjectId id);
    // For the drawing readers: takes in a record read from a file (already in this table's
    // database); eWrongObjectType, eDuplicateRecordName as for add.
    Acad::ErrorStatus attachRecord(AcDbObjectId record);

protected:
    AcDbSymbolTable() = default;
    // Adds a new record of the table's record class: needs the table open for write and in a
    // database; eWrongObjectType for another kind of record, eInvalidSymbolTableName without a
    // name, eDuplicateRecordName when the name is taken, eAlreadyInDb for a resident record.
    // The record is then open for write: close it.
    Acad::ErrorStatus addRecord(AcDbObjectId& id, AcDbSymbolTableRecord* record);
    virtual AcRxClass* recordClass() const = 0;
    // Completes a record about to be added (anonymous block names, a layer's linetype).
    virtual void prepareRecord(AcDbSymbolTableRecord* record);

private:
    std::vector<AcDbObjectId> records_;
};

template <class Record, class Iterator>
class AcDbSymbolTableOf : public AcDbSymbolTable {
public:
    using AcDbSymbolTable::getAt;
    using AcDbSymbolTable::newIterator;
    Acad::ErrorStatus getAt(const ACHAR* name, Record*& record, AcDb::OpenMode mode,
                            bool openErasedRecord = false) const {
        record = nullptr;
        AcDbObjectId id;
        Acad::ErrorStatus status = getAt(name, id, openErasedRecord);
        if (status != Acad::eOk) return status;
        return acdbOpenObject(record, id, mode, openErasedRecord);
    }
    Acad::ErrorStatus add(Record* record) {
        AcDbObjectId id;
        return addRecord(id, record);
    }
    Acad::ErrorStatus add(AcDbObjectId& id, Record* record) { return addRecord(id, record); }
    Acad::ErrorStatus newIterator(Iterator*& iterator, bool atBeginning = true, bool skipErased = true) const {
        iterator = nullptr;
        Acad::ErrorStatus status = assertReadEnabled();
        if (status != Acad::eOk) return status;
        iterator = new Iterator(recordIds(), atBeginning, skipErased);
        return Acad::eOk;
    }

protected:
    AcRxClass* recordClass() const override { return Record::desc(); }
};

// Blocks ------------------------------------------------------------------------------------------

class AcDbBlockTableRecordIterator : public AcRxObject {
public:
    AcDbBlockTableRecordIterator(std::vector<AcDbObjectId> entities, bool atBeginning, bool skipErased);

    void start(bool atBeginning = true, bool skipErased = true);
    bool done() const;
    void step(bool forward = true, bool skipErased = true);
    Acad::ErrorStatus getEntityId(AcDbObjectId& id) const;
    Acad::ErrorStatus getEntity(AcDbEntity*& entity, AcDb::OpenMode mode, bool openErasedEntity = false) const;
    Acad::ErrorStatus seek(AcDbObjectId id);

private:
    AcDbSymbolTableIterator walker_;
};

// A block definition: a container of entities. "*Model_Space" holds the drawing's model.
class AcDbBlockTableRecord : public AcDbSymbolTableRecord {
public:
    ACRX_DECLARE_MEMBERS(AcDbBlockTableRecord);

    AcGePoint3d origin() const { return origin_; }
    Acad::ErrorStatus setOrigin(const AcGePoint3d& origin);
    bool isAnonymous() const;
    // "*Model_Space" and "*Paper_Space".
    bool isLayout() const;
    // True when the block holds an attribute definition that is not erased.
    bool hasAttributeDefinitions() const;

    // Adds a new entity to the database and to this block (the entity is then open for write:
    // close it). An entity without a layer takes the database's current layer; what a complex
    // entity holds (vertices, attributes) joins the database with it.
    Acad::ErrorStatus appendAcDbEntity(AcDbObjectId& id, AcDbEntity* entity);
    Acad::ErrorStatus appendAcDbEntity(AcDbEntity* entity);
    Acad::ErrorStatus newIterator(AcDbBlockTableRecordIterator*& iterator, bool atBeginning = true,
                                  bool skipErased = true) const;
    // The entities in the order they were appended, erased ones included.
    const std::vector<AcDbObjectId>& entityIds() const { return entities_; }
    // For the drawing readers: takes in an entity read from a file (already in this block's
    // database): eNotAnEntity, eWrongDatabase, eDuplicateKey when it is here already.
    Acad::ErrorStatus attachEntity(AcDbObjectId entity);

    Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
    Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;
    Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
    Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;

protected:
    Acad::ErrorStatus subErase(bool erasing) override;

private:
    AcGePoint3d origin_;
    std::vector<AcDbObjectId> entities_;
};

class AcDbBlockTableIterator : public AcDbSymbolTableIteratorOf<AcDbBlockTableRecord> {
public:
    using AcDbSymbolTableIteratorOf::AcDbSymbolTableIteratorOf;
};

#define ACDB_MODEL_SPACE L"*Model_Space"
#define ACDB_PAPER_SPACE L"*Paper_Space"

class AcDbBlockTable : public AcDbSymbolTableOf<AcDbBlockTableRecord, AcDbBlockTableIterator> {
public:
    ACRX_DECLARE_MEMBERS(AcDbBlockTable);

protected:
    // "*U" (any case) becomes "*U" followed by the next free number.
    void prepareRecord(AcDbSymbolTableRecord* record) override;
};

// Layers ------------------------------------------------------------------------------------------

class AcDbLayerTableRecord : public AcDbSymbolTableRecord {
public:
    ACRX_DECLARE_MEMBERS(AcDbLayerTableRecord);

    // Colour index 1 to 255 (eBadColorIndex otherwise); 7 for a new layer.
    Adesk::Int16 colorIndex() const { return colorIndex_; }
    Acad::ErrorStatus setColorIndex(Adesk::Int16 index);
    bool isFrozen() const { return frozen_; }
    Acad::ErrorStatus setIsFrozen(bool frozen);
    bool isOff() const { return off_; }
    Acad::ErrorStatus setIsOff(bool off);
    bool isLocked() const { return locked_; }
    Acad::ErrorStatus setIsLocked(bool locked);
    // Frozen in new viewports.
    bool VPDFLT() const { return frozenInNewViewports_; }
    Acad::ErrorStatus setVPDFLT(bool frozen);
    // A layer added without a linetype takes "CONTINUOUS".
    AcDbObjectId linetypeObjectId() const { return linetype_; }
    Acad::ErrorStatus setLinetypeObjectId(AcDbObjectId linetype);

    Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
    Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;
    Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
    Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;

protected:
    // Layer "0" and the current layer cannot be erased.
    Acad::ErrorStatus subErase(bool erasing) override;

private:
    Adesk::Int16 flags() const;
    void setFlags(Adesk::Int16 flags);

    Adesk::Int16 colorIndex_ = 7;
    bool frozen_ = false;
    bool off_ = false;
    bool locked_ = false;
    bool frozenInNewViewports_ = false;
    AcDbObjectId linetype_;
};

class AcDbLayerTableIterator : public AcDbSymbolTableIteratorOf<AcDbLayerTableRecord> {
public:
    using AcDbSymbolTableIteratorOf::AcDbSymbolTableIteratorOf;
};

class AcDbLayerTable : public AcDbSymbolTableOf<AcDbLayerTableRecord, AcDbLayerTableIterator> {
public:
    ACRX_DECLARE_MEMBERS(AcDbLayerTable);

protected:
    void prepareRecord(AcDbSymbolTableRecord* record) override;
};

// Linetypes ---------------------------------------------------------------------------------------

// A linetype; the linetypes of this host are solid ("CONTINUOUS", "BYLAYER", "BYBLOCK" and
// copies of them) and carry a description only.
class AcDbLinetypeTableRecord : public AcDbSymbolTableRecord {
public:
    ACRX_DECLARE_MEMBERS(AcDbLinetypeTableRecord);

    Acad::ErrorStatus comments(const ACHAR*& text) const;
    Acad::ErrorStatus setComments(const ACHAR* text);

    Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
    Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;
    Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
    Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;

protected:
    // "BYLAYER", "BYBLOCK" and "CONTINUOUS" cannot be erased.
    Acad::ErrorStatus subErase(bool erasing) override;

private:
    std::wstring comments_;
};

class AcDbLinetypeTableIterator : public AcDbSymbolTableIteratorOf<AcDbLinetypeTableRecord> {
public:
    using AcDbSymbolTableIteratorOf::AcDbSymbolTableIteratorOf;
};

class AcDbLinetypeTable : public AcDbSymbolTableOf<AcDbLinetypeTableRecord, AcDbLinetypeTableIterator> {
public:
    ACRX_DECLARE_MEMBERS(AcDbLinetypeTable);
};

// Text styles -------------------------------------------------------------------------------------

class AcDbTextStyleTableRecord : public AcDbSymbolTableRecord {
public:
    ACRX_DECLARE_MEMBERS(AcDbTextStyleTableRecord);

    // Fixed text height; 0 lets each text choose its own.
    double textSize() const { return textSize_; }
    Acad::ErrorStatus setTextSize(double size);  // 0 or more
    double xScale() const { return xScale_; }
    Acad::ErrorStatus setXScale(double scale);  // above 0
    double obliquingAngle() const { return obliquingAngle_; }
    Acad::ErrorStatus setObliquingAngle(double angle);
    double priorSize() const { return priorSize_; }
    Acad::ErrorStatus setPriorSize(double size);  // above 0
    Acad::ErrorStatus fileName(const ACHAR*& name) const;
    Acad::ErrorStatus setFileName(const ACHAR* name);
    Acad::ErrorStatus bigFontFileName(const ACHAR*& name) const;
    Acad::ErrorStatus setBigFontFileName(const ACHAR* name);

    Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
    Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;
    Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
    Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;

protected:
    // "STANDARD" and the current text style cannot be erased.
    Acad::ErrorStatus subErase(bool erasing) override;

private:
    double textSize_ = 0.0;
    double xScale_ = 1.0;
    double obliquingAngle_ = 0.0;
    double priorSize_ = 0.2;
    std::wstring fileName_ = L"txt";
    std::wstring bigFontFileName_;
};

class AcDbTextStyleTableIterator : public AcDbSymbolTableIteratorOf<AcDbTextStyleTableRecord> {
public:
    using AcDbSymbolTableIteratorOf::AcDbSymbolTableIteratorOf;
};

class AcDbTextStyleTable : public AcDbSymbolTableOf<AcDbTextStyleTableRecord, AcDbTextStyleTableIterator> {
public:
    ACRX_DECLARE_MEMBERS(AcDbTextStyleTable);
};

// Registered applications -------------------------------------------------------------------------

// The name under which an application keeps extended data on objects.
class AcDbRegAppTableRecord : public AcDbSymbolTableRecord {
public:
    ACRX_DECLARE_MEMBERS(AcDbRegAppTableRecord);

    Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
    Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;

protected:
    // "ACAD" cannot be erased.
    Acad::ErrorStatus subErase(bool erasing) override;
};

class AcDbRegAppTableIterator : public AcDbSymbolTableIteratorOf<AcDbRegAppTableRecord> {
public:
    using AcDbSymbolTableIteratorOf::AcDbSymbolTableIteratorOf;
};

class AcDbRegAppTable : public AcDbSymbolTableOf<AcDbRegAppTableRecord, AcDbRegAppTableIterator> {
public:
    ACRX_DECLARE_MEMBERS(AcDbRegAppTable);
};
