// The drawing database's main interface: objects, entities, the database, and opening objects.
#pragma once

#include "acadstrc.h"
#include "acdb.h"
#include "adsdef.h"
#include "dbdatabase.h"
#include "dbentity.h"
#include "dbid.h"
#include "dbobject.h"

// Opens the object with that id. Read opens may be many at once; a write open is exclusive:
// eWasOpenedForWrite when another open is for write, eWasOpenedForRead (eWasOpenedForNotify)
// when the object is open for read (notify) and write is asked. eWasErased for an erased object
// unless openErased. eNullObjectId for a null id. Each successful open needs one close().
Acad::ErrorStatus acdbOpenObject(AcDbObject*& object, AcDbObjectId id, AcDb::OpenMode mode,
                                 bool openErased = false);
Acad::ErrorStatus acdbOpenAcDbObject(AcDbObject*& object, AcDbObjectId id, AcDb::OpenMode mode,
                                     bool openErased = false);

// Opens the object as class T: eNotThatKindOfClass (and nothing left open) when it is of
// another class.
template <class T>
Acad::ErrorStatus acdbOpenObject(T*& object, AcDbObjectId id, AcDb::OpenMode mode, bool openErased = false) {
    object = nullptr;
    AcDbObject* opened = nullptr;
    Acad::ErrorStatus status = acdbOpenObject(opened, id, mode, openErased);
    if (status != Acad::eOk) return status;
    object = T::cast(opened);
    if (object == nullptr) {
        opened->close();
        return Acad::eNotThatKindOfClass;
    }
    return Acad::eOk;
}

// Entity names of the C interface and object ids name the same objects.
Acad::ErrorStatus acdbGetAdsName(ads_name& name, AcDbObjectId id);
Acad::ErrorStatus acdbGetObjectId(AcDbObjectId& id, const ads_name name);

// The kind of value a DXF group code carries (kDwgNotRecognized for codes the host does not use).
AcDb::DwgDataType acdbGroupCodeToType(AcDb::DxfCode code);
