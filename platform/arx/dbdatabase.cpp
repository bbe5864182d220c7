#include "dbdatabase.h"

#include <algorithm>

#include "builtin_class.h"
#include "dbapserv.h"
#include "dbdict.h"
#include "dbstub.h"
#include "dbsymtb.h"
#include "object_access.h"
#include "undo_history.h"

RVN_DEFINE_BUILTIN_MEMBERS(AcDbDatabase)

namespace {

std::vector<AcDbDatabase*>& liveList() {
    static std::vector<AcDbDatabase*> live;
    return live;
}

}  // namespace

AcDbDatabase::AcDbDatabase(bool buildDefault, bool) {
    liveList().push_back(this);
    if (buildDefault) buildDefaultDrawing();
}

// Objects are deleted newest first; each is detached from its slot first, since deleting a
// resident object is a fault of its owner.
AcDbDatabase::~AcDbDatabase() {
    rvnhost::undoForgetDatabase(this);
    for (auto slot = stubs_.rbegin(); slot != stubs_.rend(); ++slot) {
        AcDbObject* object = (*slot)->object;
        if (object == nullptr) continue;
        rvnhost::ObjectAccess::detach(*object);
        (*slot)->object = nullptr;
        delete object;
    }
    auto& live = liveList();
    live.erase(std::remove(live.begin(), live.end(), this), live.end());
    if (acdbHostApplicationServices()->workingDatabase() == this) {
        acdbHostApplicationServices()->setWorkingDatabase(nullptr);
    }
}

const std::vector<AcDbDatabase*>& AcDbDatabase::liveDatabases() { return liveList(); }

AcDbStub* AcDbDatabase::stubFor(std::uint64_t handle) {
    auto found = byHandle_.find(handle);
    if (found != byHandle_.end()) return found->second;
    auto slot = std::make_unique<AcDbStub>();
    slot->database = this;
    slot->handle = handle;
    AcDbStub* made = slot.get();
    stubs_.push_back(std::move(slot));
    byHandle_[handle] = made;
    handseed_ = std::max(handseed_, handle + 1);
    return made;
}

Acad::ErrorStatus AcDbDatabase::attach(AcDbObjectId& id, AcDbObject* object, AcDbStub* slot) {
    slot->object = object;
    rvnhost::ObjectAccess::attach(*object, slot);
    id = AcDbObjectId(slot);
    rvnhost::undoNoteAdded(id);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbDatabase::addAcDbObject(AcDbObjectId& id, AcDbObject* object) {
    id.setNull();
    if (object == nullptr) return Acad::eNullObjectPointer;
    if (!object->objectId().isNull()) return Acad::eAlreadyInDb;
    return attach(id, object, stubFor(handseed_));
}

Acad::ErrorStatus AcDbDatabase::addAcDbObject(AcDbObject* object) {
    AcDbObjectId id;
    return addAcDbObject(id, object);
}

Acad::ErrorStatus AcDbDatabase::addAcDbObjectWithHandle(AcDbObjectId& id, AcDbObject* object, AcDbHandle handle) {
    id.setNull();
    if (object == nullptr) return Acad::eNullObjectPointer;
    if (handle.isNull()) return Acad::eNullHandle;
    if (!object->objectId().isNull()) return Acad::eAlreadyInDb;
    auto found = byHandle_.find(handle.value());
    if (found != byHandle_.end() && found->second->object != nullptr) return Acad::eHandleInUse;
    return attach(id, object, stubFor(handle.value()));
}

Acad::ErrorStatus AcDbDatabase::getAcDbObjectId(AcDbObjectId& id, bool createIfNotFound, const AcDbHandle& handle,
                                                Adesk::UInt32) {
    id.setNull();
    if (handle.isNull()) return Acad::eNullHandle;
    auto found = byHandle_.find(handle.value());
    if (found != byHandle_.end()) {
        id = AcDbObjectId(found->second);
        return Acad::eOk;
    }
    if (!createIfNotFound) return Acad::eUnknownHandle;
    id = AcDbObjectId(stubFor(handle.value()));
    return Acad::eOk;
}

void AcDbDatabase::setHandseed(AcDbHandle seed) { handseed_ = std::max(seed.value(), handseed_); }

std::vector<AcDbObjectId> AcDbDatabase::allObjectIds() const {
    std::vector<AcDbObjectId> ids;
    for (const auto& [handle, slot] : byHandle_) {
        if (slot->object != nullptr) ids.emplace_back(slot);
    }
    return ids;
}

bool AcDbDatabase::isHeaderObject(AcDbObjectId id) const {
    return !id.isNull() && (id == namedObjects_ || id == blockTable_ || id == layerTable_ ||
                            id == linetypeTable_ || id == textStyleTable_ || id == regAppTable_);
}

Acad::ErrorStatus AcDbDatabase::getNamedObjectsDictionary(AcDbDictionary*& dictionary, AcDb::OpenMode mode) const {
    return acdbOpenObject(dictionary, namedObjects_, mode);
}

Acad::ErrorStatus AcDbDatabase::getSymbolTable(AcDbBlockTable*& table, AcDb::OpenMode mode) const {
    return acdbOpenObject(table, blockTable_, mode);
}

Acad::ErrorStatus AcDbDatabase::getSymbolTable(AcDbLayerTable*& table, AcDb::OpenMode mode) const {
    return acdbOpenObject(table, layerTable_, mode);
}

Acad::ErrorStatus AcDbDatabase::getSymbolTable(AcDbLinetypeTable*& table, AcDb::OpenMode mode) const {
    return acdbOpenObject(table, linetypeTable_, mode);
}

Acad::ErrorStatus AcDbDatabase::getSymbolTable(AcDbTextStyleTable*& table, AcDb::OpenMode mode) const {
    return acdbOpenObject(table, textStyleTable_, mode);
}

Acad::ErrorStatus AcDbDatabase::getSymbolTable(AcDbRegAppTable*& table, AcDb::OpenMode mode) const {
    return acdbOpenObject(table, regAppTable_, mode);
}

bool AcDbDatabase::ownsRecordOf(AcDbObjectId record, AcDbObjectId table) const {
    if (record.isNull() || record.database() != this || record.isErased()) return false;
    auto* symbolTable = static_cast<AcDbSymbolTable*>(rvnhost::ObjectAccess::peek(table));
    return symbolTable != nullptr && symbolTable->has(record);
}

Acad::ErrorStatus AcDbDatabase::setClayer(AcDbObjectId layer) {
    if (!ownsRecordOf(layer, layerTable_)) return Acad::eInvalidInput;
    clayer_ = layer;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbDatabase::setLunits(Adesk::Int16 units) {
    if (units < 1 || units > 5) return Acad::eInvalidInput;
    lunits_ = units;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbDatabase::setLuprec(Adesk::Int16 precision) {
    if (precision < 0 || precision > 8) return Acad::eInvalidInput;
    luprec_ = precision;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbDatabase::setAttmode(Adesk::Int16 mode) {
    if (mode < 0 || mode > 2) return Acad::eInvalidInput;
    attmode_ = mode;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbDatabase::setTextstyle(AcDbObjectId style) {
    if (!ownsRecordOf(style, textStyleTable_)) return Acad::eInvalidInput;
    textstyle_ = style;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbDatabase::setTextsize(double size) {
    if (!(size > 0.0)) return Acad::eInvalidInput;
    textsize_ = size;
    return Acad::eOk;
}

AcDbDatabase::HeaderIds AcDbDatabase::headerIds() const {
    return {namedObjects_, blockTable_, layerTable_, linetypeTable_, textStyleTable_, regAppTable_,
            clayer_, textstyle_, byLayer_, byBlock_, continuous_};
}

// Every id must belong to this database (null ones are allowed: a drawing may lack a table).
Acad::ErrorStatus AcDbDatabase::setHeaderIds(const HeaderIds& ids) {
    for (AcDbObjectId id : {ids.namedObjects, ids.blockTable, ids.layerTable, ids.linetypeTable,
                            ids.textStyleTable, ids.regAppTable, ids.clayer, ids.textstyle, ids.byLayer,
                            ids.byBlock, ids.continuous}) {
        if (!id.isNull() && id.database() != this) return Acad::eWrongDatabase;
    }
    namedObjects_ = ids.namedObjects;
    blockTable_ = ids.blockTable;
    layerTable_ = ids.layerTable;
    linetypeTable_ = ids.linetypeTable;
    textStyleTable_ = ids.textStyleTable;
    regAppTable_ = ids.regAppTable;
    clayer_ = ids.clayer;
    textstyle_ = ids.textstyle;
    byLayer_ = ids.byLayer;
    byBlock_ = ids.byBlock;
    continuous_ = ids.continuous;
    return Acad::eOk;
}
