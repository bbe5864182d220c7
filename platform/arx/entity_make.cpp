// acdbEntMake: entity lists gathered into entities, complex entities and block definitions.
//
// A simple entity outside a block definition joins model space at once. A POLYLINE, or an INSERT
// with attributes following (66 = 1), gathers its VERTEX or ATTRIB lists until SEQEND; a BLOCK
// gathers entities until ENDBLK. Nothing of what is gathered joins the drawing before its end
// arrives, and a refused list discards all of it: the drawing stays as it was.
#include "acdbads.h"

#include "dbents.h"
#include "dbsymtb.h"
#include "editor_state.h"
#include "entity_list.h"
#include "name_compare.h"
#include "object_access.h"
#include "sysvars.h"

#include <optional>
#include <vector>

namespace rvnhost {
namespace {

// An entity with what it owns (vertices or attributes), gathered and not yet in a database.
struct GatheredEntity {
    ListEntity main;
    std::vector<ListEntity> parts;
};

struct GatheredBlock {
    std::wstring name;
    bool anonymous = false;
    AcGePoint3d origin;
    std::vector<GatheredEntity> entities;
};

// The layer with that name, made with the default colour when the drawing has none.
AcDbObjectId layerFor(AcDbDatabase& database, const std::wstring& name) {
    if (name.empty()) return database.clayer();
    auto* table = AcDbLayerTable::cast(ObjectAccess::peek(database.layerTableId()));
    if (table == nullptr) return AcDbObjectId();
    if (const AcDbObjectId found = table->findRecord(name, false); !found.isNull()) return found;
    AcDbLayerTable* layers = nullptr;
    if (database.getSymbolTable(layers, AcDb::kForWrite) != Acad::eOk) return AcDbObjectId();
    auto* layer = new AcDbLayerTableRecord;
    AcDbObjectId id;
    if (layer->setName(name.c_str()) == Acad::eOk && layers->add(id, layer) == Acad::eOk) {
        layer->close();
    } else {
        delete layer;
    }
    layers->close();
    return id;
}

bool placeOnLayer(AcDbDatabase& database, ListEntity& made) {
    const AcDbObjectId layer = layerFor(database, made.layer);
    return !layer.isNull() && made.entity->setLayer(layer) == Acad::eOk;
}

// Appends the entity, with its parts, to the block; each joins the database on its layer.
bool appendGathered(AcDbDatabase& database, AcDbBlockTableRecord& block, GatheredEntity& gathered) {
    if (!placeOnLayer(database, gathered.main)) return false;
    for (ListEntity& part : gathered.parts) {
        if (!placeOnLayer(database, part)) return false;
        Acad::ErrorStatus status = Acad::eWrongObjectType;
        if (auto* polyline = AcDb2dPolyline::cast(gathered.main.entity.get())) {
            status = polyline->appendVertex(AcDb2dVertex::cast(part.entity.get()));
        } else if (auto* reference = AcDbBlockReference::cast(gathered.main.entity.get())) {
            status = reference->appendAttribute(AcDbAttribute::cast(part.entity.get()));
        }
        if (status != Acad::eOk) return false;
        part.entity.release();
    }
    if (block.appendAcDbEntity(gathered.main.entity.get()) != Acad::eOk) return false;
    gathered.main.entity.release()->close();
    return true;
}

bool appendToModelSpace(AcDbDatabase& database, GatheredEntity& gathered) {
    AcDbBlockTable* blocks = nullptr;
    if (database.getSymbolTable(blocks, AcDb::kForRead) != Acad::eOk) return false;
    AcDbBlockTableRecord* space = nullptr;
    const Acad::ErrorStatus opened = blocks->getAt(ACDB_MODEL_SPACE, space, AcDb::kForWrite);
    blocks->close();
    if (opened != Acad::eOk) return false;
    const bool appended = appendGathered(database, *space, gathered);
    space->close();
    return appended;
}

// Erases what a block holds, for its new definition.
void eraseContents(const AcDbBlockTableRecord& block) {
    for (AcDbObjectId id : block.entityIds()) {
        AcDbEntity* entity = nullptr;
        if (acdbOpenObject(entity, id, AcDb::kForWrite) != Acad::eOk) continue;
        entity->erase();
        entity->close();
    }
}

// The block definition made (or, for a name the drawing has, made anew); its name goes to name.
bool defineBlock(AcDbDatabase& database, GatheredBlock& gathered, std::wstring& name) {
    AcDbBlockTable* blocks = nullptr;
    if (database.getSymbolTable(blocks, AcDb::kForWrite) != Acad::eOk) return false;
    AcDbBlockTableRecord* block = nullptr;
    bool made = false;
    if (gathered.anonymous || blocks->getAt(gathered.name.c_str(), block, AcDb::kForWrite) != Acad::eOk) {
        block = new AcDbBlockTableRecord;
        made = block->setName(gathered.anonymous ? L"*U" : gathered.name.c_str()) == Acad::eOk && blocks->add(block) == Acad::eOk;
        if (!made) {
            delete block;
            block = nullptr;
        }
    } else {
        eraseContents(*block);
    }
    blocks->close();
    if (block == nullptr) return false;
    bool defined = block->setOrigin(gathered.origin) == Acad::eOk;
    for (GatheredEntity& entity : gathered.entities) defined = defined && appendGathered(database, *block, entity);
    if (!defined && made) block->erase();
    block->getName(name);
    block->close();
    return defined;
}

class EntityMaker {
public:
    static EntityMaker& instance() {
        static EntityMaker maker;
        return maker;
    }

    int make(const resbuf* list) {
        AcDbDatabase* database = workingDatabase();
        if (database != database_) discard();
        database_ = database;
        if (list == nullptr || database == nullptr) {
            discard();
            return RTERROR;
        }
        const EntityList entity(list);
        if (!entity.wellFormed()) return refuse(kBadField);
        const std::wstring& type = entity.type();
        if (type == L"BLOCK") return beginBlock(entity);
        if (type == L"ENDBLK") return endBlock();
        if (type == L"SEQEND") return endSequence();
        if (type == L"VERTEX" || type == L"ATTRIB") return addPart(entity);
        return addEntity(entity);
    }

private:
    void discard() {
        block_.reset();
        complex_.reset();
    }

    int refuse(int reason) {
        discard();
        setErrno(reason);
        return RTREJ;
    }

    int beginBlock(const EntityList& list) {
        if (block_ || complex_) return refuse(kBadBlockDefinition);
        const ACHAR* name = list.text(2);
        if (name == nullptr) return refuse(kMandatoryFieldMissing);
        const bool anonymous = (list.integer(70).value_or(0) & 1) != 0;
        const bool starred = name[0] == L'*';
        if (anonymous != starred || (!anonymous && acdbSNValid(name, 1) != RTNORM)) return refuse(kBadBlockName);
        const std::optional<AcGePoint3d> origin = list.point(10);
        if (!origin) return refuse(kMandatoryFieldMissing);
        block_ = GatheredBlock{name, anonymous, *origin, {}};
        return RTNORM;
    }

    int endBlock() {
        if (!block_ || complex_) return refuse(complex_ ? kIncompleteComplexEntity : kBadBlockDefinition);
        GatheredBlock block = std::move(*block_);
        block_.reset();
        std::wstring name;
        if (!defineBlock(*database_, block, name)) return refuse(kBadBlockDefinition);
        EditorState::instance().setKeyword(name);
        return RTKWORD;
    }

    int endSequence() {
        if (!complex_) return refuse(kBadEntityType);
        GatheredEntity complex = std::move(*complex_);
        complex_.reset();
        return finish(std::move(complex));
    }

    int addPart(const EntityList& list) {
        const bool fits = complex_ && (list.type() == L"VERTEX" ? AcDb2dPolyline::cast(complex_->main.entity.get()) != nullptr
                                                                : AcDbBlockReference::cast(complex_->main.entity.get()) != nullptr);
        if (!fits) return refuse(kBadEntityType);
        ListEntity part;
        const int reason = readEntityList(list, *database_, complex_->main.entity.get(), part);
        if (reason != kListAccepted) return refuse(reason);
        complex_->parts.push_back(std::move(part));
        return RTNORM;
    }

    int addEntity(const EntityList& list) {
        if (complex_) return refuse(kIncompleteComplexEntity);
        GatheredEntity gathered;
        const int reason = readEntityList(list, *database_, nullptr, gathered.main);
        if (reason != kListAccepted) return refuse(reason);
        const bool opensSequence = list.type() == L"POLYLINE" || (list.type() == L"INSERT" && list.integer(66).value_or(0) == 1);
        if (opensSequence) {
            complex_ = std::move(gathered);
            return RTNORM;
        }
        return finish(std::move(gathered));
    }

    // An entity complete with its parts: into the block being defined, or into model space.
    int finish(GatheredEntity entity) {
        if (block_) {
            block_->entities.push_back(std::move(entity));
            return RTNORM;
        }
        return appendToModelSpace(*database_, entity) ? RTNORM : refuse(kBadField);
    }

    AcDbDatabase* database_ = nullptr;
    std::optional<GatheredBlock> block_;
    std::optional<GatheredEntity> complex_;
};

}  // namespace
}  // namespace rvnhost

int acdbEntMake(const resbuf* entityList) { return rvnhost::EntityMaker::instance().make(entityList); }
