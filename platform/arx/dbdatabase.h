// A drawing database: owns its objects by id and by handle, allocates handles in increasing
// order (the next one is the handle seed), and holds the drawing's header values.
// A new database built as a default drawing has the named-object dictionary, the block table
// ("*Model_Space", "*Paper_Space"), the layer table ("0"), the linetype table ("BYBLOCK",
// "BYLAYER", "CONTINUOUS"), the text style table ("STANDARD") and the registered application
// table ("ACAD").
#pragma once

#include <map>
#include <memory>
#include <vector>

#include "acadstrc.h"
#include "acdb.h"
#include "adesk.h"
#include "dbid.h"
#include "rxclass.h"

class AcDbObject;
class AcDbDictionary;
class AcDbBlockTable;
class AcDbLayerTable;
class AcDbLinetypeTable;
class AcDbTextStyleTable;
class AcDbRegAppTable;

class AcDbDatabase : public AcRxObject {
public:
    ACRX_DECLARE_MEMBERS(AcDbDatabase);

    explicit AcDbDatabase(bool buildDefaultDrawing = true, bool noDocument = false);
    ~AcDbDatabase() override;
    AcDbDatabase(const AcDbDatabase&) = delete;
    AcDbDatabase& operator=(const AcDbDatabase&) = delete;

    // Adds a new object under the next handle; it is then open for write and owned by the database.
    Acad::ErrorStatus addAcDbObject(AcDbObjectId& id, AcDbObject* object);
    Acad::ErrorStatus addAcDbObject(AcDbObject* object);
    // The id of the object with that handle: eUnknownHandle when there is none, unless
    // createIfNotFound, which reserves the handle for an object added later under it.
    Acad::ErrorStatus getAcDbObjectId(AcDbObjectId& id, bool createIfNotFound, const AcDbHandle& handle,
                                      Adesk::UInt32 xRefId = 0);
    AcDbHandle handseed() const { return AcDbHandle(handseed_); }

    // Reads a drawing file (docs/drawing-format.md) into this database, which must have been built
    // empty (buildDefaultDrawing false): eInvalidInput otherwise. eCantOpenFile, eNotADwgFile,
    // eBadDwgHeader, eDwgCRCError, eEndOfFile or eDwgNeedsRecovery when the file cannot be read;
    // the database is then to be discarded.
    Acad::ErrorStatus readDwgFile(const ACHAR* fileName);
    // Saves the database as a drawing file; a file already there is replaced only once the whole
    // drawing is written.
    Acad::ErrorStatus saveAs(const ACHAR* fileName);

    // Copies the model space of source into a new block definition named blockName (its
    // entities, and the layers, linetypes, text styles, blocks and registered applications they
    // use that this database lacks; same-named ones of this database are used as they are).
    // eDuplicateRecordName when the name is taken, eInvalidInput for a bad name or source,
    // eWasOpenedForWrite and the like when a source object cannot be read; on failure nothing
    // of the copy stays. The source is left unchanged.
    Acad::ErrorStatus insert(AcDbObjectId& blockId, const ACHAR* blockName, AcDbDatabase* source,
                             bool preserveSourceDatabase = true);

    Acad::ErrorStatus getNamedObjectsDictionary(AcDbDictionary*& dictionary, AcDb::OpenMode mode) const;
    AcDbObjectId namedObjectsDictionaryId() const { return namedObjects_; }

    Acad::ErrorStatus getSymbolTable(AcDbBlockTable*& table, AcDb::OpenMode mode) const;
    Acad::ErrorStatus getSymbolTable(AcDbLayerTable*& table, AcDb::OpenMode mode) const;
    Acad::ErrorStatus getSymbolTable(AcDbLinetypeTable*& table, AcDb::OpenMode mode) const;
    Acad::ErrorStatus getSymbolTable(AcDbTextStyleTable*& table, AcDb::OpenMode mode) const;
    Acad::ErrorStatus getSymbolTable(AcDbRegAppTable*& table, AcDb::OpenMode mode) const;
    AcDbObjectId blockTableId() const { return blockTable_; }
    AcDbObjectId layerTableId() const { return layerTable_; }
    AcDbObjectId linetypeTableId() const { return linetypeTable_; }
    AcDbObjectId textStyleTableId() const { return textStyleTable_; }
    AcDbObjectId regAppTableId() const { return regAppTable_; }

    // Header values. Setters refuse ids that are not a record of the right table of this database
    // and values out of range (eInvalidInput).
    AcDbObjectId clayer() const { return clayer_; }
    Acad::ErrorStatus setClayer(AcDbObjectId layer);
    Adesk::Int16 lunits() const { return lunits_; }
    Acad::ErrorStatus setLunits(Adesk::Int16 units);  // 1 to 5
    Adesk::Int16 luprec() const { return luprec_; }
    Acad::ErrorStatus setLuprec(Adesk::Int16 precision);  // 0 to 8
    AcDbObjectId textstyle() const { return textstyle_; }
    Acad::ErrorStatus setTextstyle(AcDbObjectId style);
    double textsize() const { return textsize_; }
    Acad::ErrorStatus setTextsize(double size);  // above 0
    // Attribute display: 0 none, 1 as each attribute says, 2 all.
    Adesk::Int16 attmode() const { return attmode_; }
    Acad::ErrorStatus setAttmode(Adesk::Int16 mode);  // 0 to 2
    AcDbObjectId byLayerLinetype() const { return byLayer_; }
    AcDbObjectId byBlockLinetype() const { return byBlock_; }
    AcDbObjectId continuousLinetype() const { return continuous_; }

    // For the drawing reader: adds an object under the handle it had in its file (eHandleInUse when
    // another object has it), and sets the table and dictionary ids and the handle seed it read.
    Acad::ErrorStatus addAcDbObjectWithHandle(AcDbObjectId& id, AcDbObject* object, AcDbHandle handle);
    struct HeaderIds {
        AcDbObjectId namedObjects, blockTable, layerTable, linetypeTable, textStyleTable, regAppTable;
        AcDbObjectId clayer, textstyle, byLayer, byBlock, continuous;
    };
    HeaderIds headerIds() const;
    Acad::ErrorStatus setHeaderIds(const HeaderIds& ids);
    void setHandseed(AcDbHandle seed);

    // True for the tables and the named-object dictionary, which cannot be erased.
    bool isHeaderObject(AcDbObjectId id) const;
    // Every object of the database in handle order, erased ones included (for writers and checks).
    std::vector<AcDbObjectId> allObjectIds() const;
    // The databases alive in the process, oldest first.
    static const std::vector<AcDbDatabase*>& liveDatabases();

private:
    AcDbStub* stubFor(std::uint64_t handle);
    Acad::ErrorStatus attach(AcDbObjectId& id, AcDbObject* object, AcDbStub* slot);
    void buildDefaultDrawing();
    bool ownsRecordOf(AcDbObjectId record, AcDbObjectId table) const;

    std::vector<std::unique_ptr<AcDbStub>> stubs_;
    std::map<std::uint64_t, AcDbStub*> byHandle_;
    std::uint64_t handseed_ = 1;

    AcDbObjectId namedObjects_, blockTable_, layerTable_, linetypeTable_, textStyleTable_, regAppTable_;
    AcDbObjectId clayer_, textstyle_, byLayer_, byBlock_, continuous_;
    Adesk::Int16 lunits_ = 2;
    Adesk::Int16 luprec_ = 4;
    double textsize_ = 0.2;
    Adesk::Int16 attmode_ = 1;
};
