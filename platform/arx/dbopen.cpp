// Opening objects by id, and the entity names and group code types of the C interface.
#include <algorithm>

#include "dbmain.h"
#include "dbstub.h"
#include "object_access.h"
#include "resbuf_kind.h"

Acad::ErrorStatus acdbOpenObject(AcDbObject*& object, AcDbObjectId id, AcDb::OpenMode mode, bool openErased) {
    object = nullptr;
    if (id.isNull()) return Acad::eNullObjectId;
    AcDbObject* target = id.slot()->object;
    if (target == nullptr) return Acad::eUnknownHandle;
    if (id.isErased() && !openErased) return Acad::eWasErased;
    Acad::ErrorStatus status = rvnhost::ObjectAccess::open(*target, mode);
    if (status == Acad::eOk) object = target;
    return status;
}

Acad::ErrorStatus acdbOpenAcDbObject(AcDbObject*& object, AcDbObjectId id, AcDb::OpenMode mode, bool openErased) {
    return acdbOpenObject(object, id, mode, openErased);
}

// An entity name carries the database and the handle, so a stale or forged name is refused
// rather than followed.
Acad::ErrorStatus acdbGetAdsName(ads_name& name, AcDbObjectId id) {
    name[0] = 0;
    name[1] = 0;
    if (id.isNull()) return Acad::eNullObjectId;
    name[0] = static_cast<Adesk::LongPtr>(id.handle().value());
    name[1] = reinterpret_cast<Adesk::LongPtr>(id.database());
    return Acad::eOk;
}

Acad::ErrorStatus acdbGetObjectId(AcDbObjectId& id, const ads_name name) {
    id.setNull();
    if (name[0] == 0 && name[1] == 0) return Acad::eNullObjectId;
    const auto& live = AcDbDatabase::liveDatabases();
    auto found = std::find_if(live.begin(), live.end(), [&](AcDbDatabase* database) {
        return reinterpret_cast<Adesk::LongPtr>(database) == name[1];
    });
    if (found == live.end()) return Acad::eInvalidAdsName;
    return (*found)->getAcDbObjectId(id, false, AcDbHandle(static_cast<std::uint64_t>(name[0])));
}

AcDb::DwgDataType acdbGroupCodeToType(AcDb::DxfCode code) {
    switch (rvnhost::resbufKind(code)) {
    case rvnhost::ResbufKind::None: return AcDb::kDwgNull;
    case rvnhost::ResbufKind::String:
        return code == AcDb::kDxfHandle || code == AcDb::kDxfXdHandle || (code >= 320 && code <= 329)
                   ? AcDb::kDwgHandle
                   : AcDb::kDwgText;
    case rvnhost::ResbufKind::Real: return AcDb::kDwgReal;
    case rvnhost::ResbufKind::Point: return AcDb::kDwg3Real;
    case rvnhost::ResbufKind::Short:
        return (code >= 280 && code <= 299) ? AcDb::kDwgInt8 : AcDb::kDwgInt16;
    case rvnhost::ResbufKind::Long: return AcDb::kDwgInt32;
    case rvnhost::ResbufKind::Int64: return AcDb::kDwgInt64;
    case rvnhost::ResbufKind::Binary: return AcDb::kDwgBChunk;
    case rvnhost::ResbufKind::Name:
        if (code >= 330 && code <= 339) return AcDb::kDwgSoftPointerId;
        if (code >= 340 && code <= 349) return AcDb::kDwgHardPointerId;
        if (code >= 350 && code <= 359) return AcDb::kDwgSoftOwnershipId;
        if (code >= 360 && code <= 369) return AcDb::kDwgHardOwnershipId;
        return AcDb::kDwgSoftPointerId;
    default: return AcDb::kDwgNotRecognized;
    }
}
