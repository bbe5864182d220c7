#include "undo_history.h"

#include <map>
#include <memory>
#include <vector>

#include "dbapserv.h"
#include "dwg_memory_filer.h"
#include "object_access.h"

namespace rvnhost {

namespace {

// One object as it was before the command touched it.
struct UndoRecord {
    AcDbObjectId id;
    bool created = false;
    bool wasErased = false;
    std::unique_ptr<MemoryDwgFiler> data;  // null for an object created, or whose erase mark alone changed
};

struct HeaderValues {
    AcDbObjectId clayer, textstyle;
    Adesk::Int16 lunits = 0, luprec = 0;
    double textsize = 0.0;
    Adesk::Int16 attmode = 1;
};

struct UndoStep {
    std::wstring command;
    HeaderValues header;
    std::vector<UndoRecord> records;
    std::map<AcDbObjectId, std::size_t> recorded;  // id -> index in records
};

struct UndoState {
    std::map<const AcDbDatabase*, std::vector<UndoStep>> histories;
    AcDbDatabase* markDatabase = nullptr;  // the database of the open mark, or null
    bool restoring = false;
};

UndoState& state() {
    static UndoState undo;
    return undo;
}

HeaderValues headerOf(const AcDbDatabase& database) {
    return {database.clayer(), database.textstyle(), database.lunits(), database.luprec(), database.textsize(), database.attmode()};
}

void restoreHeader(AcDbDatabase& database, const HeaderValues& header) {
    AcDbDatabase::HeaderIds ids = database.headerIds();
    ids.clayer = header.clayer;
    ids.textstyle = header.textstyle;
    database.setHeaderIds(ids);
    database.setLunits(header.lunits);
    database.setLuprec(header.luprec);
    database.setTextsize(header.textsize);
    database.setAttmode(header.attmode);
}

// The step recording changes to the object's database now; null when there is none.
UndoStep* recordingStepFor(const AcDbDatabase* database) {
    UndoState& undo = state();
    if (undo.restoring || database == nullptr || database != undo.markDatabase) return nullptr;
    return &undo.histories[database].back();
}

UndoRecord* findRecord(UndoStep& step, AcDbObjectId id) {
    auto found = step.recorded.find(id);
    return found != step.recorded.end() ? &step.records[found->second] : nullptr;
}

UndoRecord& addRecord(UndoStep& step, AcDbObjectId id) {
    step.recorded[id] = step.records.size();
    step.records.push_back({id, false, id.isErased(), nullptr});
    return step.records.back();
}

std::unique_ptr<MemoryDwgFiler> fileForUndo(const AcDbObject& object) {
    auto filer = std::make_unique<MemoryDwgFiler>(AcDb::kUndoFiler, object.database());
    if (object.dwgOutFields(filer.get()) != Acad::eOk) return nullptr;
    return filer;
}

bool isOpen(AcDbObjectId id) {
    const AcDbObject* object = ObjectAccess::peek(id);
    return object != nullptr && ObjectAccess::openCount(*object) > 0;
}

void restore(const UndoRecord& record) {
    AcDbObject* object = ObjectAccess::peek(record.id);
    if (object == nullptr) return;
    if (record.created) {
        ObjectAccess::markErased(record.id, true);
        return;
    }
    if (record.data != nullptr && ObjectAccess::open(*object, AcDb::kForWrite) == Acad::eOk) {
        record.data->rewind();
        object->dwgInFields(record.data.get());
        object->close();
    }
    ObjectAccess::markErased(record.id, record.wasErased);
}

}  // namespace

UndoMark::UndoMark(const AcEdCommand& command) {
    if ((command.commandFlags() & ACRX_CMD_NO_UNDO_MARKER) != 0 || state().markDatabase != nullptr) return;
    AcDbDatabase* database = acdbHostApplicationServices()->workingDatabase();
    if (database == nullptr) return;
    beginUndoMark(database, command.globalName());
    opened_ = true;
}

UndoMark::~UndoMark() {
    if (opened_) endUndoMark();
}

void beginUndoMark(AcDbDatabase* database, const std::wstring& commandName) {
    UndoState& undo = state();
    undo.markDatabase = database;
    undo.histories[database].push_back({commandName, headerOf(*database), {}, {}});
}

void endUndoMark() { state().markDatabase = nullptr; }

void undoNoteOpenedForWrite(AcDbObject& object) {
    UndoStep* step = recordingStepFor(object.database());
    if (step == nullptr) return;
    UndoRecord* record = findRecord(*step, object.objectId());
    if (record == nullptr) record = &addRecord(*step, object.objectId());
    if (!record->created && record->data == nullptr) record->data = fileForUndo(object);
}

void undoNoteAdded(AcDbObjectId id) {
    UndoStep* step = recordingStepFor(id.database());
    if (step != nullptr && findRecord(*step, id) == nullptr) addRecord(*step, id).created = true;
}

void undoNoteEraseMark(AcDbObjectId id) {
    UndoStep* step = recordingStepFor(id.database());
    if (step != nullptr && findRecord(*step, id) == nullptr) addRecord(*step, id);
}

void undoForgetDatabase(const AcDbDatabase* database) {
    UndoState& undo = state();
    undo.histories.erase(database);
    if (undo.markDatabase == database) undo.markDatabase = nullptr;
}

int undoableCommands(const AcDbDatabase* database) {
    auto found = state().histories.find(database);
    return found != state().histories.end() ? static_cast<int>(found->second.size()) : 0;
}

Acad::ErrorStatus undoLastCommand(AcDbDatabase* database, std::wstring& commandName) {
    commandName.clear();
    UndoState& undo = state();
    auto history = undo.histories.find(database);
    if (history == undo.histories.end() || history->second.empty()) return Acad::eNotApplicable;
    UndoStep& step = history->second.back();
    for (const UndoRecord& record : step.records) {
        if (isOpen(record.id)) return Acad::eWasOpenedForWrite;
    }
    undo.restoring = true;
    for (auto record = step.records.rbegin(); record != step.records.rend(); ++record) restore(*record);
    restoreHeader(*database, step.header);
    undo.restoring = false;
    commandName = step.command;
    history->second.pop_back();
    return Acad::eOk;
}

}  // namespace rvnhost
