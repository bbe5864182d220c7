#include "dbobject.h"

#include "builtin_class.h"
#include "dbapserv.h"
#include "dbdatabase.h"
#include "dbstub.h"
#include "object_access.h"
#include "undo_history.h"
#include "xdata_store.h"

RVN_DEFINE_BUILTIN_MEMBERS(AcDbObject)

AcDbObject::AcDbObject() = default;

// Only the database deletes its objects; anyone else deleting one leaves a dangling id behind.
AcDbObject::~AcDbObject() {
    if (stub_ != nullptr) {
        acrx_abort(L"Object with handle %ls deleted while in a database",
                   rvnhost::shownHandle(AcDbHandle(stub_->handle)).c_str());
    }
}

AcDbObjectId AcDbObject::objectId() const { return AcDbObjectId(stub_); }

Acad::ErrorStatus AcDbObject::setOwnerId(AcDbObjectId ownerId) {
    Acad::ErrorStatus status = assertWriteEnabled();
    if (status == Acad::eOk) ownerId_ = ownerId;
    return status;
}

void AcDbObject::getAcDbHandle(AcDbHandle& handle) const { handle = objectId().handle(); }

AcDbDatabase* AcDbObject::database() const { return stub_ != nullptr ? stub_->database : nullptr; }

Acad::ErrorStatus AcDbObject::close() {
    if (stub_ == nullptr) return Acad::eNotInDatabase;
    if (openCount_ == 0) return Acad::eNotOpenForRead;
    if (--openCount_ == 0) openMode_ = AcDb::kNotOpen;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbObject::erase(bool erasing) {
    if (stub_ == nullptr) return Acad::eNotInDatabase;
    Acad::ErrorStatus status = assertWriteEnabled();
    if (status != Acad::eOk) return status;
    if (erasing && stub_->erased) return Acad::eWasErased;
    if (!erasing && !stub_->erased) return Acad::eWasNotErased;
    if (stub_->database->isHeaderObject(objectId())) return Acad::eCannotBeErasedByCaller;
    status = subErase(erasing);
    if (status != Acad::eOk) return status;
    stub_->erased = erasing;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbObject::subErase(bool) { return Acad::eOk; }

bool AcDbObject::isErased() const { return stub_ != nullptr && stub_->erased; }

bool AcDbObject::isReadEnabled() const { return stub_ == nullptr || openCount_ > 0; }

bool AcDbObject::isWriteEnabled() const { return stub_ == nullptr || openMode_ == AcDb::kForWrite; }

bool AcDbObject::isNotifyEnabled() const { return stub_ == nullptr || openCount_ > 0; }

Acad::ErrorStatus AcDbObject::upgradeOpen() {
    if (stub_ == nullptr) return Acad::eOk;
    switch (openMode_) {
    case AcDb::kForWrite: return Acad::eWasOpenedForWrite;
    case AcDb::kForNotify: return Acad::eWasOpenedForNotify;
    case AcDb::kForRead:
        if (openCount_ > 1) return Acad::eHadMultipleReaders;
        openMode_ = AcDb::kForWrite;
        rvnhost::undoNoteOpenedForWrite(*this);
        return Acad::eOk;
    default: return Acad::eNotOpenForRead;
    }
}

Acad::ErrorStatus AcDbObject::assertReadEnabled() const {
    return isReadEnabled() ? Acad::eOk : Acad::eNotOpenForRead;
}

Acad::ErrorStatus AcDbObject::assertWriteEnabled() const {
    return isWriteEnabled() ? Acad::eOk : Acad::eNotOpenForWrite;
}

Acad::ErrorStatus AcDbObject::assertNotifyEnabled() const {
    return isNotifyEnabled() ? Acad::eOk : Acad::eNotOpenForRead;
}

resbuf* AcDbObject::xData(const ACHAR* regappName) const {
    if (!isReadEnabled() || xdata_ == nullptr) return nullptr;
    return xdata_->list(regappName);
}

Acad::ErrorStatus AcDbObject::setXData(const resbuf* xdata) {
    Acad::ErrorStatus status = assertWriteEnabled();
    if (status != Acad::eOk) return status;
    std::vector<rvnhost::XDataStore::App> apps;
    status = rvnhost::XDataStore::parse(xdata, apps);
    if (status != Acad::eOk) return status;
    AcDbDatabase* owner = stub_ != nullptr ? stub_->database : acdbHostApplicationServices()->workingDatabase();
    status = rvnhost::XDataStore::checkRegistered(apps, owner);
    if (status != Acad::eOk) return status;
    if (xdata_ == nullptr) xdata_ = std::make_unique<rvnhost::XDataStore>();
    xdata_->apply(std::move(apps));
    return Acad::eOk;
}
