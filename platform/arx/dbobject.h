// The base of every object a drawing database holds: identity, ownership, the open/close
// discipline, erasing, extended data per registered application, and filing.
//
// A new object is not database-resident: its creator owns it, may change it freely and deletes
// it unless it is added to a database. Once added (addAcDbObject, a dictionary's setAt, a symbol
// table's add, a block's appendAcDbEntity) it is open for write and the database owns it; from then
// on it is reached by acdbOpenObject and given back by close(), on every path.
#pragma once

#include <memory>

#include "acadstrc.h"
#include "acdb.h"
#include "adesk.h"
#include "adsdef.h"
#include "dbid.h"
#include "rxclass.h"

class AcDbDatabase;
class AcDbDwgFiler;
class AcDbDxfFiler;

namespace rvnhost {
struct ObjectAccess;
class XDataStore;
}  // namespace rvnhost

class AcDbObject : public AcRxObject {
public:
    ACRX_DECLARE_MEMBERS(AcDbObject);

    AcDbObject();
    ~AcDbObject() override;
    AcDbObject(const AcDbObject&) = delete;
    AcDbObject& operator=(const AcDbObject&) = delete;

    // Null for an object not in a database.
    AcDbObjectId objectId() const;
    AcDbObjectId ownerId() const { return ownerId_; }
    // Needs the object open for write.
    virtual Acad::ErrorStatus setOwnerId(AcDbObjectId ownerId);
    void getAcDbHandle(AcDbHandle& handle) const;
    AcDbDatabase* database() const;

    // Gives back one open of a database-resident object: eNotInDatabase for a new object,
    // eNotOpenForRead when the object is not open.
    Acad::ErrorStatus close();
    // Marks the object erased (or unerased); needs the object open for write.
    Acad::ErrorStatus erase(bool erasing = true);
    bool isErased() const;

    // A new object is read- and write-enabled; a resident one as it was opened.
    bool isReadEnabled() const;
    bool isWriteEnabled() const;
    bool isNotifyEnabled() const;
    // From read (one reader) to write.
    Acad::ErrorStatus upgradeOpen();

    // eOk when the object may be read (written); eNotOpenForRead (eNotOpenForWrite) otherwise.
    Acad::ErrorStatus assertReadEnabled() const;
    Acad::ErrorStatus assertWriteEnabled() const;
    Acad::ErrorStatus assertNotifyEnabled() const;

    // DWG filing of what every object carries: its owner and its extended data.
    virtual Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer);
    virtual Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const;
    // DXF filing of the common object groups: 5 (handle) and 330 (owner).
    virtual Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer);
    virtual Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const;
    // The whole object through a DXF filer: its fields, then its extended data (1001 groups).
    Acad::ErrorStatus dxfOut(AcDbDxfFiler* filer) const;
    Acad::ErrorStatus dxfIn(AcDbDxfFiler* filer);

    // A new list (free it with acutRelRb) of the extended data of one application (a 1001 item
    // with its name, then its items), or of every application when regappName is null.
    // Null when there is none, or when the object is not open for read.
    resbuf* xData(const ACHAR* regappName = nullptr) const;
    // Replaces the extended data of each application named by a 1001 item of the list; an
    // application followed by no items loses its data. Every application must be registered in the
    // "APPID" table (eRegappIdNotFound); the items must be xdata groups 1000 to 1071
    // (eInvalidResBuf). Nothing changes unless the whole list is accepted.
    Acad::ErrorStatus setXData(const resbuf* xdata);

protected:
    // Asked by erase() before the object changes state; a status other than eOk vetoes it.
    virtual Acad::ErrorStatus subErase(bool erasing);

private:
    friend class AcDbDatabase;
    friend struct rvnhost::ObjectAccess;

    AcDbStub* stub_ = nullptr;
    AcDbObjectId ownerId_;
    AcDb::OpenMode openMode_ = AcDb::kNotOpen;
    int openCount_ = 0;
    std::unique_ptr<rvnhost::XDataStore> xdata_;
};
