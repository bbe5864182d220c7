// What every object files, whatever its class: its owner and its extended data.
#include "dbfiler.h"
#include "dbmain.h"
#include "object_access.h"
#include "xdata_store.h"

Acad::ErrorStatus AcDbObject::dwgOutFields(AcDbDwgFiler* filer) const {
    Acad::ErrorStatus status = assertReadEnabled();
    if (status != Acad::eOk) return status;
    filer->writeSoftPointerId(ownerId_);
    if (xdata_ != nullptr) return xdata_->dwgOut(filer);
    filer->writeInt32(0);
    return filer->filerStatus();
}

// The owner read is taken when the object is read from a file or restored by undo; a copy keeps
// the owner it was given.
Acad::ErrorStatus AcDbObject::dwgInFields(AcDbDwgFiler* filer) {
    Acad::ErrorStatus status = assertWriteEnabled();
    if (status != Acad::eOk) return status;
    AcDbSoftPointerId owner;
    filer->readSoftPointerId(&owner);
    if (filer->filerType() == AcDb::kFileFiler || filer->filerType() == AcDb::kUndoFiler) ownerId_ = owner;
    auto store = std::make_unique<rvnhost::XDataStore>();
    status = store->dwgIn(filer);
    if (status != Acad::eOk) return status;
    xdata_ = store->empty() ? nullptr : std::move(store);
    return filer->filerStatus();
}

Acad::ErrorStatus AcDbObject::dxfOutFields(AcDbDxfFiler* filer) const {
    Acad::ErrorStatus status = assertReadEnabled();
    if (status != Acad::eOk) return status;
    filer->writeAcDbHandle(AcDb::kDxfHandle, objectId().handle());
    filer->writeObjectId(AcDb::kDxfSoftPointerId, ownerId_);
    return filer->filerStatus();
}

// Reads 5 (the handle, which the reader has already used to place the object), application groups
// (102 ... 102, not kept), and 330 (the owner, taken when it is an object of the same database).
Acad::ErrorStatus AcDbObject::dxfInFields(AcDbDxfFiler* filer) {
    Acad::ErrorStatus status = assertWriteEnabled();
    if (status != Acad::eOk) return status;
    resbuf group{};
    bool inApplicationGroup = false;
    while (!filer->atObjectEnd() && filer->readItem(&group) == Acad::eOk) {
        if (group.restype == AcDb::kDxfControlString) {
            inApplicationGroup = group.resval.rstring != nullptr && group.resval.rstring[0] == L'{';
        } else if (inApplicationGroup) {
            continue;
        } else if (group.restype == AcDb::kDxfSoftPointerId) {
            AcDbObjectId owner;
            bool known = acdbGetObjectId(owner, group.resval.rlname) == Acad::eOk;
            if (known && (database() == nullptr || owner.database() == database())) ownerId_ = owner;
        } else if (group.restype != AcDb::kDxfHandle) {
            filer->pushBackItem();
            break;
        }
    }
    return filer->filerStatus();
}

Acad::ErrorStatus AcDbObject::dxfOut(AcDbDxfFiler* filer) const {
    Acad::ErrorStatus status = dxfOutFields(filer);
    if (status != Acad::eOk || xdata_ == nullptr) return status;
    return xdata_->dxfOut(filer);
}

Acad::ErrorStatus AcDbObject::dxfIn(AcDbDxfFiler* filer) {
    Acad::ErrorStatus status = dxfInFields(filer);
    if (status != Acad::eOk) return status;
    if (!filer->atExtendedData()) return Acad::eOk;
    rvnhost::ResbufList list;
    status = rvnhost::XDataStore::dxfIn(filer, list);
    if (status != Acad::eOk) return status;
    return list != nullptr ? setXData(list.get()) : Acad::eOk;
}
