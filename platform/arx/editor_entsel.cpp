// acedEntSel: an entity chosen by a point picked on it or by its handle ("#1A").
#include "acedads.h"
#include "dbmain.h"
#include "editor_answers.h"
#include "editor_open_object.h"
#include "editor_prompt.h"
#include "editor_state.h"
#include "sysvars.h"


namespace {

using rvnhost::Reading;

constexpr int kErrnoNothingPicked = 7;
constexpr int kErrnoNullInput = 52;

// The entity of the working drawing with that handle; a null id when there is none or it is erased
// or not an entity.
AcDbObjectId entityWithHandle(std::uint64_t handle) {
    AcDbDatabase* database = rvnhost::workingDatabase();
    AcDbObjectId id;
    if (!database || database->getAcDbObjectId(id, false, AcDbHandle(handle)) != Acad::eOk) return AcDbObjectId();
    rvnhost::OpenedObject<AcDbEntity> entity(id, AcDb::kForRead);
    return entity ? id : AcDbObjectId();
}

struct Choice {
    AcDbObjectId entity;
    AcGePoint3d point;
};

Reading chooseEntity(const std::wstring& answer, Choice& choice) {
    rvnhost::EditorState& editor = rvnhost::EditorState::instance();
    rvnhost::EntityPicker* picker = editor.picker();
    if (const std::optional<std::uint64_t> handle = rvnhost::parseHandle(answer)) {
        choice.entity = entityWithHandle(*handle);
        if (choice.entity.isNull()) {
            return {Reading::Accepted, L"No entity with handle " + rvnhost::shownHandle(AcDbHandle(*handle)) + L"."};
        }
        choice.point = picker ? picker->pointOn(choice.entity) : AcGePoint3d::kOrigin;
        return {Reading::Accepted, {}};
    }
    const int angularUnits = rvnhost::integerVariable(L"AUNITS", 0);
    const std::optional<AcGePoint3d> point = rvnhost::parsePoint(answer, editor.lastPoint(), angularUnits);
    if (!point) return {Reading::NotAValue, L"Select an object, or give its handle as #handle."};
    choice.point = *point;
    choice.entity = picker ? picker->entityAt(*point) : AcDbObjectId();
    return {Reading::Accepted, choice.entity.isNull() ? L"Nothing found at the point." : L""};
}

}  // namespace

int acedEntSel(const ACHAR* prompt, ads_name entity, ads_point pickPoint) {
    const rvnhost::InputRequest request = rvnhost::EditorState::instance().takeRequest();
    Choice choice;
    std::wstring missMessage;
    const int status = rvnhost::askUntilAnswered(
        prompt ? prompt : L"\nSelect object: ", request,
        [&](const std::wstring& answer) {
            const Reading reading = chooseEntity(answer, choice);
            missMessage = reading.outcome == Reading::Accepted ? reading.message : L"";
            return reading;
        },
        L"");
    if (status == RTNONE) {
        rvnhost::setErrno(kErrnoNullInput);
        return RTERROR;
    }
    if (status != RTNORM) return status;
    if (choice.entity.isNull()) {
        rvnhost::showEditorMessage(missMessage);
        rvnhost::setErrno(kErrnoNothingPicked);
        return RTERROR;
    }
    ads_name name;
    if (acdbGetAdsName(name, choice.entity) != Acad::eOk) return RTERROR;
    entity[0] = name[0];
    entity[1] = name[1];
    pickPoint[X] = choice.point.x;
    pickPoint[Y] = choice.point.y;
    pickPoint[Z] = choice.point.z;
    return RTNORM;
}
