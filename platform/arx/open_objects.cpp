#include "open_objects.h"

#include "dbmain.h"
#include "object_access.h"
#include "transcript.h"

namespace rvnhost {

std::vector<OpenObject> openObjects(const AcDbDatabase& database) {
    std::vector<OpenObject> open;
    for (AcDbObjectId id : database.allObjectIds()) {
        AcDbObject* object = ObjectAccess::peek(id);
        int count = ObjectAccess::openCount(*object);
        if (count > 0) open.push_back({id, object->isA()->name(), ObjectAccess::openMode(*object), count});
    }
    return open;
}

std::vector<OpenObject> openObjects() {
    std::vector<OpenObject> open;
    for (const AcDbDatabase* database : AcDbDatabase::liveDatabases()) {
        std::vector<OpenObject> more = openObjects(*database);
        open.insert(open.end(), more.begin(), more.end());
    }
    return open;
}

std::wstring describeOpenObject(const OpenObject& object) {
    const wchar_t* mode = object.mode == AcDb::kForWrite    ? L"write"
                          : object.mode == AcDb::kForNotify ? L"notify"
                                                            : L"read";
    std::wstring text =
        object.className + L", handle " + rvnhost::shownHandle(object.id.handle()) + L", open for " + mode;
    if (object.openCount > 1) text += L" (" + std::to_wstring(object.openCount) + L" times)";
    return text;
}

namespace {

int report(const std::wstring& context, const std::vector<OpenObject>& open) {
    for (const OpenObject& object : open) {
        Transcript::instance().add(TranscriptKind::Leak,
                                   L"Object left open at the end of " + context + L": " + describeOpenObject(object));
        ObjectAccess::forceClose(*ObjectAccess::peek(object.id));
    }
    return static_cast<int>(open.size());
}

}  // namespace

int reportOpenObjects(const std::wstring& context) { return report(context, openObjects()); }

int reportOpenObjects(const std::wstring& context, const AcDbDatabase& database) {
    return report(context, openObjects(database));
}

int closeOpenObjects() {
    std::vector<OpenObject> open = openObjects();
    for (const OpenObject& object : open) ObjectAccess::forceClose(*ObjectAccess::peek(object.id));
    return static_cast<int>(open.size());
}

}  // namespace rvnhost
