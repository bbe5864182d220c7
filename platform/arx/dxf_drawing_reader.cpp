#include "dxf_drawing_reader.h"

#include <map>
#include <set>

#include "db_entity_dxf.h"
#include "db_entity_owned.h"
#include "dbdict.h"
#include "dbsymtb.h"
#include "drawing_check.h"
#include "dxf_group_filer.h"
#include "dxf_sections.h"
#include "dxf_text.h"
#include "editor_open_object.h"
#include "name_compare.h"
#include "object_access.h"

namespace rvnhost {

namespace {

// The tables the host keeps, in the order they are read: registered applications first, since
// the records of the other tables may carry extended data, and linetypes before the layers.
struct TableKind {
    std::string_view name;
    AcRxClass* (*tableClass)();
    AcRxClass* (*recordClass)();
    AcDbObjectId AcDbDatabase::HeaderIds::*headerId;
};

const TableKind kTables[] = {
    {"APPID", AcDbRegAppTable::desc, AcDbRegAppTableRecord::desc, &AcDbDatabase::HeaderIds::regAppTable},
    {"LTYPE", AcDbLinetypeTable::desc, AcDbLinetypeTableRecord::desc, &AcDbDatabase::HeaderIds::linetypeTable},
    {"LAYER", AcDbLayerTable::desc, AcDbLayerTableRecord::desc, &AcDbDatabase::HeaderIds::layerTable},
    {"STYLE", AcDbTextStyleTable::desc, AcDbTextStyleTableRecord::desc, &AcDbDatabase::HeaderIds::textStyleTable},
    {"BLOCK_RECORD", AcDbBlockTable::desc, AcDbBlockTableRecord::desc, &AcDbDatabase::HeaderIds::blockTable},
};

// An object of the file to read, in reading order, with what it is to the drawing.
enum class Role { Table, Record, Block, Entity, Object };

struct Planned {
    Role role;
    DxfChunk chunk;                 // from its group 0
    std::vector<DxfGroup> fields;   // the groups its class reads
    AcRxClass* type = nullptr;      // null for a BLOCK, which is no object
    const TableKind* table = nullptr;
    bool inBlocks = false;          // an entity of the BLOCKS section
};

Acad::ErrorStatus fail(Acad::ErrorStatus status, std::wstring text, std::wstring& message) {
    message = std::move(text);
    return status;
}

std::wstring atLine(const DxfChunk& chunk, const std::wstring& text) {
    return L"line " + std::to_wstring(chunk.front().line) + L": " + text;
}

class DxfReader {
public:
    DxfReader(AcDbDatabase& database, std::wstring& message) : database_(database), message_(message) {}

    Acad::ErrorStatus read(std::string_view text) {
        std::vector<DxfGroup> groups;
        DxfSections sections;
        if (!splitDxfGroups(text, groups, message_) || !splitDxfSections(groups, sections, message_)) {
            return Acad::eBadDxfSequence;
        }
        Acad::ErrorStatus status = readVersion(sections.header);
        if (status != Acad::eOk) return status;
        readClasses(sections.classes);
        status = plan(sections);
        if (status == Acad::eOk) status = reserveHandles();
        for (std::size_t at = 0; at < plan_.size() && status == Acad::eOk; ++at) status = readPlanned(plan_[at]);
        if (status == Acad::eOk && headerIds_.namedObjects.isNull()) {
            status = fail(Acad::eBadDxfSequence, L"the file has no named-object dictionary", message_);
        }
        if (status == Acad::eOk) status = readHeader(sections.header);
        if (status == Acad::eOk) status = checkDrawing(database_, message_);
        return status;
    }

private:
    // Header variables ------------------------------------------------------------------------

    // The value group of a header variable, or null.
    static const DxfGroup* variable(DxfChunk header, std::string_view name) {
        for (std::size_t i = 0; i + 1 < header.size(); ++i) {
            if (header[i].code == 9 && header[i].value == name) return &header[i + 1];
        }
        return nullptr;
    }

    Acad::ErrorStatus readVersion(DxfChunk header) {
        const DxfGroup* version = variable(header, "$ACADVER");
        if (version == nullptr || version->value < "AC1015") {
            return fail(Acad::eBadDxfSequence, L"it is a DXF file older than AutoCAD 2000 (AC1015)", message_);
        }
        utf8_ = version->value >= "AC1021";
        return Acad::eOk;
    }

    std::wstring text(const DxfGroup& group) const { return decodeDxfText(group.value, utf8_); }

    AcDbObjectId recordNamed(AcDbObjectId tableId, const DxfGroup* name, const wchar_t* fallback) {
        OpenedObject<AcDbSymbolTable> table(tableId, AcDb::kForRead);
        if (!table) return AcDbObjectId();
        AcDbObjectId id = name != nullptr ? table->findRecord(text(*name), false) : AcDbObjectId();
        return id.isNull() ? table->findRecord(fallback, false) : id;
    }

    // The header values; names of records that are not there give way to the standard ones. The
    // handle seed follows the objects read ($HANDSEED also counts BLOCK and ENDBLK, which are no
    // objects here), so that writing the drawing again gives the same handles.
    Acad::ErrorStatus readHeader(DxfChunk header) {
        AcDbDatabase::HeaderIds& ids = headerIds_;
        ids.clayer = recordNamed(ids.layerTable, variable(header, "$CLAYER"), L"0");
        ids.textstyle = recordNamed(ids.textStyleTable, variable(header, "$TEXTSTYLE"), L"Standard");
        ids.byLayer = recordNamed(ids.linetypeTable, nullptr, L"ByLayer");
        ids.byBlock = recordNamed(ids.linetypeTable, nullptr, L"ByBlock");
        ids.continuous = recordNamed(ids.linetypeTable, nullptr, L"Continuous");
        database_.setHeaderIds(ids);
        long long value = 0;
        const DxfGroup* units = variable(header, "$LUNITS");
        if (units != nullptr && parseDxfInteger(units->value, value)) database_.setLunits(static_cast<Adesk::Int16>(value));
        const DxfGroup* precision = variable(header, "$LUPREC");
        if (precision != nullptr && parseDxfInteger(precision->value, value)) {
            database_.setLuprec(static_cast<Adesk::Int16>(value));
        }
        const DxfGroup* attmode = variable(header, "$ATTMODE");
        if (attmode != nullptr && parseDxfInteger(attmode->value, value)) database_.setAttmode(static_cast<Adesk::Int16>(value));
        double size = 0.0;
        const DxfGroup* textsize = variable(header, "$TEXTSIZE");
        if (textsize != nullptr && parseDxfReal(textsize->value, size)) database_.setTextsize(size);
        return Acad::eOk;
    }

    // Classes and handles ---------------------------------------------------------------------

    void readClasses(const std::vector<DxfChunk>& classes) {
        for (const DxfChunk& entry : classes) {
            const DxfGroup* dxfName = findGroup(entry, 1);
            const DxfGroup* className = findGroup(entry, 2);
            if (dxfName != nullptr && className != nullptr) customClasses_[text(*dxfName)] = text(*className);
        }
    }

    // The class that reads an object of the OBJECTS or the entity sections, or null.
    AcRxClass* classOf(const DxfChunk& chunk, bool isEntity) const {
        std::wstring dxfName = text(chunk.front());
        auto custom = customClasses_.find(dxfName);
        if (custom != customClasses_.end()) {
            auto* type = static_cast<AcRxClass*>(acrxClassDictionary->at(custom->second.c_str()));
            if (type != nullptr && type->dxfName() == dxfName) return type;
        }
        if (!isEntity) return classByDxfName(dxfName.c_str());
        const DxfGroup* flags = findGroup(chunk, 70);
        long long value = 0;
        if (flags == nullptr || !parseDxfInteger(flags->value, value)) value = 0;
        return dxfEntityClass(dxfName.c_str(), static_cast<int>(value));
    }

    // The plan ------------------------------------------------------------------------------

    void planObject(Role role, const DxfChunk& chunk, AcRxClass* type, const TableKind* table = nullptr,
                    bool inBlocks = false) {
        plan_.push_back({role, chunk, std::vector<DxfGroup>(chunk.begin() + 1, chunk.end()), type, table, inBlocks});
    }

    // A TABLE of that kind (without its name, which its class does not read) and its records.
    Acad::ErrorStatus planTable(const std::vector<DxfChunk>& chunks, const TableKind& kind) {
        for (std::size_t at = 0; at < chunks.size(); ++at) {
            const DxfGroup* name = findGroup(chunks[at], 2);
            if (chunks[at].front().value != "TABLE" || name == nullptr || name->value != kind.name) continue;
            planObject(Role::Table, chunks[at], kind.tableClass(), &kind);
            std::erase_if(plan_.back().fields, [&](const DxfGroup& group) { return group.line == name->line; });
            for (++at; at < chunks.size() && chunks[at].front().value != "ENDTAB"; ++at) {
                AcRxClass* type = classByDxfName(text(chunks[at].front()).c_str());
                if (type != nullptr && type == kind.recordClass()) planObject(Role::Record, chunks[at], type, &kind);
            }
            return Acad::eOk;
        }
        return fail(Acad::eBadDxfSequence, L"the file has no " + text({0, kind.name, 0}) + L" table", message_);
    }

    void planEntities(const std::vector<DxfChunk>& chunks, bool inBlocks) {
        for (const DxfChunk& chunk : chunks) {
            if (inBlocks && chunk.front().value == "BLOCK") {
                planObject(Role::Block, chunk, nullptr);
                continue;
            }
            AcRxClass* type = classOf(chunk, true);
            if (type != nullptr && type->isDerivedFrom(AcDbEntity::desc())) planObject(Role::Entity, chunk, type, nullptr, inBlocks);
        }
    }

    void planObjects(const std::vector<DxfChunk>& chunks) {
        for (const DxfChunk& chunk : chunks) {
            AcRxClass* type = classOf(chunk, false);
            if (type == nullptr || type->isDerivedFrom(AcDbEntity::desc()) ||
                type->isDerivedFrom(AcDbSymbolTable::desc()) || type->isDerivedFrom(AcDbSymbolTableRecord::desc())) {
                continue;
            }
            planObject(Role::Object, chunk, type);
        }
    }

    Acad::ErrorStatus plan(const DxfSections& sections) {
        for (const TableKind& kind : kTables) {
            Acad::ErrorStatus status = planTable(sections.tables, kind);
            if (status != Acad::eOk) return status;
        }
        planEntities(sections.blocks, true);
        planEntities(sections.entities, false);
        planObjects(sections.objects);
        return Acad::eOk;
    }

    // Every object to be read gets its handle's slot first, so that references find it; a
    // reference to anything else reads as null.
    Acad::ErrorStatus reserveHandles() {
        std::set<std::uint64_t> seen;
        for (const Planned& planned : plan_) {
            const DxfGroup* handleGroup = planned.type != nullptr ? findGroup(planned.chunk, 5) : nullptr;
            if (handleGroup == nullptr) continue;
            AcDbHandle handle(text(*handleGroup).c_str());
            if (handle.isNull() || !seen.insert(handle.value()).second) {
                return fail(Acad::eBadDxfSequence, atLine(planned.chunk, L"the handle is malformed or taken"), message_);
            }
            AcDbObjectId id;
            database_.getAcDbObjectId(id, true, handle);
        }
        return Acad::eOk;
    }

    // Objects ---------------------------------------------------------------------------------

    Acad::ErrorStatus readPlanned(const Planned& planned) {
        if (planned.role == Role::Block) return readBlock(planned.chunk);
        AcDbObjectId id;
        Acad::ErrorStatus status = readObject(planned, id);
        if (status != Acad::eOk || id.isNull()) return status;
        switch (planned.role) {
        case Role::Table:
            table_ = id;
            headerIds_.*planned.table->headerId = id;
            database_.setHeaderIds(headerIds_);
            return Acad::eOk;
        case Role::Record: return place(planned, attachRecord(id));
        case Role::Entity: return place(planned, placeEntity(id, planned.inBlocks ? block_ : modelSpace()));
        default:
            if (headerIds_.namedObjects.isNull() && planned.type == AcDbDictionary::desc()) {
                headerIds_.namedObjects = id;
                database_.setHeaderIds(headerIds_);
            }
            return Acad::eOk;
        }
    }

    Acad::ErrorStatus place(const Planned& planned, Acad::ErrorStatus status) {
        if (status == Acad::eOk) return status;
        return fail(status, atLine(planned.chunk, L"the " + text(planned.chunk.front()) + L" has no place in the drawing"),
                    message_);
    }

    // Creates the object under its handle (a new one when it has none) and lets it read its groups.
    Acad::ErrorStatus readObject(const Planned& planned, AcDbObjectId& id) {
        id.setNull();
        AcRxObject* made = planned.type->create();
        AcDbObject* object = AcDbObject::cast(made);
        if (object == nullptr) {
            delete made;
            return fail(Acad::eNotApplicable, atLine(planned.chunk, L"the object cannot be created"), message_);
        }
        const DxfGroup* handleGroup = findGroup(planned.chunk, 5);
        Acad::ErrorStatus status = handleGroup != nullptr
                                       ? database_.addAcDbObjectWithHandle(id, object, AcDbHandle(text(*handleGroup).c_str()))
                                       : database_.addAcDbObject(id, object);
        if (status != Acad::eOk) {
            delete object;
            return fail(status, atLine(planned.chunk, L"the object's handle is taken"), message_);
        }
        DxfGroupFiler filer(&database_, planned.fields, utf8_);
        status = object->dxfIn(&filer);
        object->close();
        if (status == Acad::eMakeMeProxy) {
            ObjectAccess::markErased(id, true);
            id.setNull();
            return Acad::eOk;
        }
        if (status == Acad::eOk) return status;
        std::wstring reason = *filer.errorMessage() != L'\0' ? filer.errorMessage() : L"status " + std::to_wstring(status);
        while (!reason.empty() && reason.front() == L'\n') reason.erase(0, 1);
        return fail(status, atLine(planned.chunk, L"the " + text(planned.chunk.front()) + L" cannot be read (" + reason + L")"),
                    message_);
    }

    Acad::ErrorStatus attachRecord(AcDbObjectId id) {
        OpenedObject<AcDbSymbolTable> table(table_, AcDb::kForWrite);
        return table ? table->attachRecord(id) : table.status();
    }

    AcDbObjectId blockNamed(const std::wstring& name) {
        OpenedObject<AcDbBlockTable> blocks(headerIds_.blockTable, AcDb::kForRead);
        return blocks ? blocks->findRecord(name, false) : AcDbObjectId();
    }

    AcDbObjectId modelSpace() { return blockNamed(ACDB_MODEL_SPACE); }

    // A BLOCK names the block record its entities join and gives it its origin.
    Acad::ErrorStatus readBlock(const DxfChunk& chunk) {
        const DxfGroup* name = findGroup(chunk, 2);
        block_ = name != nullptr ? blockNamed(text(*name)) : AcDbObjectId();
        if (block_.isNull()) return fail(Acad::eBadDxfSequence, atLine(chunk, L"the BLOCK has no block record"), message_);
        DxfGroupFiler filer(&database_, chunk.subspan(1), utf8_);
        resbuf group{};
        while (filer.readItem(&group) == Acad::eOk) {
            if (group.restype != AcDb::kDxfXCoord) continue;
            OpenedObject<AcDbBlockTableRecord> block(block_, AcDb::kForWrite);
            const double* xyz = group.resval.rpoint;
            return block ? block->setOrigin(AcGePoint3d(xyz[0], xyz[1], xyz[2])) : block.status();
        }
        if (filer.filerStatus() == Acad::eEndOfFile) return Acad::eOk;
        return fail(filer.filerStatus(), filer.errorMessage(), message_);
    }

    // An entity joins the block or the complex entity that owns it; one that names neither joins
    // the block of its section.
    Acad::ErrorStatus placeEntity(AcDbObjectId id, AcDbObjectId block) {
        AcDbObjectId owner = ObjectAccess::peek(id)->ownerId();
        AcDbObject* holder = ObjectAccess::peek(owner);
        if (holder != nullptr && AcDbEntity::cast(holder) != nullptr) return attachSubentity(owner, id);
        if (holder != nullptr && AcDbBlockTableRecord::cast(holder) != nullptr) block = owner;
        OpenedObject<AcDbBlockTableRecord> record(block, AcDb::kForWrite);
        return record ? record->attachEntity(id) : record.status();
    }

    AcDbDatabase& database_;
    std::wstring& message_;
    bool utf8_ = false;
    std::map<std::wstring, std::wstring> customClasses_;  // DXF name -> C++ class name
    AcDbDatabase::HeaderIds headerIds_;
    std::vector<Planned> plan_;
    AcDbObjectId table_;  // the table whose records are being read
    AcDbObjectId block_;  // the block whose entities are being read
};

}  // namespace

Acad::ErrorStatus readDxf(std::string_view text, AcDbDatabase& database, std::wstring& message) {
    message.clear();
    if (!database.allObjectIds().empty()) return fail(Acad::eInvalidInput, L"the database is not empty", message);
    return DxfReader(database, message).read(text);
}

}  // namespace rvnhost
