#include "dxf_drawing_writer.h"

#include <map>
#include <set>

#include "db_entity_owned.h"
#include "dbdict.h"
#include "dbsymtb.h"
#include "drawing_read_guard.h"
#include "dxf_text.h"
#include "dxf_text_filer.h"
#include "editor_open_object.h"
#include "name_compare.h"
#include "proxy_object.h"

namespace rvnhost {

namespace {

constexpr wchar_t kHostApplication[] = L"ObjectDBX Classes";  // the application of the host's own classes

struct ClassInfo {
    std::wstring dxfName, className, appName;
    int proxyFlags = 0;
    int count = 0;
    bool wasProxy = false;
    bool isEntity = false;
};

// The DXF name an object is written under.
std::wstring dxfNameOf(const AcDbObject& object) {
    if (const ProxyData* proxy = proxyDataOf(&object)) return proxy->dxfName;
    return object.isA()->dxfName();
}

class DxfWriter {
public:
    DxfWriter(AcDbDatabase& database, std::wstring& message) : database_(database), filer_(&database), message_(message) {}

    Acad::ErrorStatus write(std::string& out) {
        collectBlocks();
        writeHeader();
        writeClasses();
        writeTables();
        writeBlocks();
        writeEntities();
        writeObjects();
        filer_.writeRaw(0, "EOF");
        out = filer_.text();
        return status_;
    }

private:
    void section(const char* name) {
        filer_.writeRaw(0, "SECTION");
        filer_.writeRaw(2, name);
    }
    void endSection() { filer_.writeRaw(0, "ENDSEC"); }

    std::string nameOf(AcDbObjectId record) { return encodeDxfText(AcDbSymbolTable::recordName(record)); }

    void collectBlocks() {
        OpenedObject<AcDbSymbolTable> blocks(database_.blockTableId(), AcDb::kForRead);
        if (!blocks) return;
        for (AcDbObjectId id : blocks->recordIds()) {
            if (!id.isErased()) blockRecords_.push_back(id);
        }
    }

    // BLOCK and ENDBLK are no objects of the drawing: they take handles above the handle seed.
    std::string markerHandle(std::size_t block, bool end) const {
        std::uint64_t handle = database_.handseed().value() + 2 * block + (end ? 1 : 0);
        return encodeDxfText(AcDbHandle(handle).text());
    }

    void variable(const char* name, int code, const std::string& value) {
        filer_.writeRaw(9, name);
        filer_.writeRaw(code, value);
    }

    void writeHeader() {
        section("HEADER");
        variable("$ACADVER", 1, "AC1015");
        variable("$DWGCODEPAGE", 3, "ANSI_1252");
        variable("$HANDSEED", 5, markerHandle(blockRecords_.size(), false));
        variable("$CLAYER", 8, nameOf(database_.clayer()));
        variable("$TEXTSTYLE", 7, nameOf(database_.textstyle()));
        variable("$TEXTSIZE", 40, formatDxfReal(database_.textsize()));
        variable("$LUNITS", 70, std::to_string(database_.lunits()));
        variable("$LUPREC", 70, std::to_string(database_.luprec()));
        variable("$ATTMODE", 70, std::to_string(database_.attmode()));
        endSection();
    }

    void countClass(const AcDbObject& object) {
        const ProxyData* proxy = proxyDataOf(&object);
        const AcRxClass* type = object.isA();
        if (proxy == nullptr && std::wstring(type->appName()) == kHostApplication) return;
        std::wstring name = proxy != nullptr ? proxy->className : type->name();
        ClassInfo& info = classes_[name];
        if (info.count++ > 0) return;
        info = {dxfNameOf(object), name, proxy != nullptr ? proxy->appName : type->appName(),
                proxy != nullptr ? 0 : type->proxyFlags(), 1, proxy != nullptr,
                object.isKindOf(AcDbEntity::desc())};
    }

    void writeClasses() {
        for (AcDbObjectId id : database_.allObjectIds()) {
            ReadableObject object(id);
            if (!id.isErased() && object.get() != nullptr) countClass(*object.get());
        }
        section("CLASSES");
        for (const auto& [name, info] : classes_) {
            filer_.writeRaw(0, "CLASS");
            filer_.writeRaw(1, encodeDxfText(info.dxfName));
            filer_.writeRaw(2, encodeDxfText(info.className));
            filer_.writeRaw(3, encodeDxfText(info.appName));
            filer_.writeRaw(90, std::to_string(info.proxyFlags));
            filer_.writeRaw(91, std::to_string(info.count));
            filer_.writeRaw(280, info.wasProxy ? "1" : "0");
            filer_.writeRaw(281, info.isEntity ? "1" : "0");
        }
        endSection();
    }

    // An object of the drawing: group 0 with its DXF name, then what it files.
    void writeObject(AcDbObjectId id) {
        if (status_ != Acad::eOk || id.isErased()) return;
        ReadableObject object(id);
        Acad::ErrorStatus status = Acad::eNotOpenForRead;
        if (object.get() != nullptr) {
            filer_.startObject(dxfNameOf(*object.get()));
            status = object.get()->dxfOut(&filer_);
        }
        if (status != Acad::eOk) fail(id, status);
        written_.insert(id);
    }

    void fail(AcDbObjectId id, Acad::ErrorStatus status) {
        status_ = status;
        message_ = L"object " + rvnhost::shownHandle(id.handle()) + L" could not be written (status " +
                   std::to_wstring(status) + L")";
    }

    // An entity, followed by what it owns (vertices or attributes, and their sequence end).
    void writeEntity(AcDbObjectId id) {
        writeObject(id);
        for (AcDbObjectId owned : subentitiesOf(id)) writeObject(owned);
    }

    void writeTable(AcDbObjectId tableId, const char* name) {
        OpenedObject<AcDbSymbolTable> table(tableId, AcDb::kForRead);
        if (!table) return;
        filer_.writeRaw(0, "TABLE");
        filer_.writeRaw(2, name);
        Acad::ErrorStatus status = table->dxfOut(&filer_);
        if (status != Acad::eOk) fail(tableId, status);
        written_.insert(tableId);
        for (AcDbObjectId record : table->recordIds()) writeObject(record);
        filer_.writeRaw(0, "ENDTAB");
    }

    void writeTables() {
        section("TABLES");
        writeTable(database_.linetypeTableId(), "LTYPE");
        writeTable(database_.layerTableId(), "LAYER");
        writeTable(database_.textStyleTableId(), "STYLE");
        writeTable(database_.regAppTableId(), "APPID");
        writeTable(database_.blockTableId(), "BLOCK_RECORD");
        endSection();
    }

    void blockMarker(const char* kind, std::size_t index, AcDbObjectId record, bool isPaperSpace) {
        filer_.writeRaw(0, kind);
        filer_.writeRaw(5, markerHandle(index, kind[0] == 'E'));
        filer_.writeRaw(330, encodeDxfText(record.handle().text()));
        filer_.writeRaw(100, "AcDbEntity");
        if (isPaperSpace) filer_.writeRaw(67, "1");
        filer_.writeRaw(8, "0");
        filer_.writeRaw(100, kind[0] == 'E' ? "AcDbBlockEnd" : "AcDbBlockBegin");
    }

    void writeBlock(std::size_t index) {
        OpenedObject<AcDbBlockTableRecord> block(blockRecords_[index], AcDb::kForRead);
        if (!block) return;
        std::wstring name;
        block->getName(name);
        bool isPaperSpace = sameName(name, ACDB_PAPER_SPACE);
        blockMarker("BLOCK", index, block->objectId(), isPaperSpace);
        filer_.writeRaw(2, encodeDxfText(name));
        filer_.writeRaw(70, block->isAnonymous() ? "1" : "0");
        double origin[3] = {block->origin().x, block->origin().y, block->origin().z};
        for (int axis = 0; axis < 3; ++axis) filer_.writeRaw(10 + 10 * axis, formatDxfReal(origin[axis]));
        filer_.writeRaw(3, encodeDxfText(name));
        filer_.writeRaw(1, "");
        if (!block->isLayout()) {
            for (AcDbObjectId entity : block->entityIds()) writeEntity(entity);
        }
        blockMarker("ENDBLK", index, block->objectId(), isPaperSpace);
    }

    void writeBlocks() {
        section("BLOCKS");
        for (std::size_t index = 0; index < blockRecords_.size(); ++index) writeBlock(index);
        endSection();
    }

    void writeEntities() {
        section("ENTITIES");
        for (const wchar_t* layout : {ACDB_MODEL_SPACE, ACDB_PAPER_SPACE}) {
            for (AcDbObjectId record : blockRecords_) {
                OpenedObject<AcDbBlockTableRecord> block(record, AcDb::kForRead);
                std::wstring name;
                if (!block || block->getName(name) != Acad::eOk || !sameName(name, layout)) continue;
                for (AcDbObjectId entity : block->entityIds()) writeEntity(entity);
            }
        }
        endSection();
    }

    // The named-object dictionary first, then every other object not written yet.
    void writeObjects() {
        section("OBJECTS");
        writeObject(database_.namedObjectsDictionaryId());
        for (AcDbObjectId id : database_.allObjectIds()) {
            ReadableObject object(id);
            bool isEntity = object.get() != nullptr && object.get()->isKindOf(AcDbEntity::desc());
            if (!isEntity && written_.count(id) == 0) writeObject(id);
        }
        endSection();
    }

    AcDbDatabase& database_;
    DxfTextFiler filer_;
    std::wstring& message_;
    Acad::ErrorStatus status_ = Acad::eOk;
    std::vector<AcDbObjectId> blockRecords_;
    std::map<std::wstring, ClassInfo> classes_;
    std::set<AcDbObjectId> written_;
};

}  // namespace

Acad::ErrorStatus writeDxf(AcDbDatabase& database, std::string& out, std::wstring& message) {
    message.clear();
    return DxfWriter(database, message).write(out);
}

}  // namespace rvnhost
