// The filers through which objects file themselves: DWG (a typed binary item sequence) and DXF
// (groups of a code and a value). Saving, opening, copying and undo all go through them.
#pragma once

#include <string>

#include "acadstrc.h"
#include "acdb.h"
#include "adesk.h"
#include "adsdef.h"
#include "dbid.h"
#include "gepnt3d.h"
#include "rxclass.h"

class AcDbDatabase;

// A DWG filer. Reads answer the filer's status; once the status is not eOk, every further read
// answers it again and leaves its output zero (or empty).
class AcDbDwgFiler : public AcRxObject {
public:
    ACRX_DECLARE_MEMBERS(AcDbDwgFiler);

    virtual Acad::ErrorStatus filerStatus() const = 0;
    virtual AcDb::FilerType filerType() const = 0;
    virtual void setFilerStatus(Acad::ErrorStatus status) = 0;
    virtual void resetFilerStatus() = 0;
    // The database being filed, or null.
    virtual AcDbDatabase* database() const = 0;

    virtual Acad::ErrorStatus readHardOwnershipId(AcDbHardOwnershipId* id) = 0;
    virtual Acad::ErrorStatus writeHardOwnershipId(const AcDbHardOwnershipId& id) = 0;
    virtual Acad::ErrorStatus readSoftOwnershipId(AcDbSoftOwnershipId* id) = 0;
    virtual Acad::ErrorStatus writeSoftOwnershipId(const AcDbSoftOwnershipId& id) = 0;
    virtual Acad::ErrorStatus readHardPointerId(AcDbHardPointerId* id) = 0;
    virtual Acad::ErrorStatus writeHardPointerId(const AcDbHardPointerId& id) = 0;
    virtual Acad::ErrorStatus readSoftPointerId(AcDbSoftPointerId* id) = 0;
    virtual Acad::ErrorStatus writeSoftPointerId(const AcDbSoftPointerId& id) = 0;

    // Text; in a drawing file zero-terminated UTF-16. A null text is written as an empty one.
    virtual Acad::ErrorStatus readString(std::wstring& value) = 0;
    virtual Acad::ErrorStatus writeString(const ACHAR* value) = 0;

    // A binary chunk; a read allocates buf with new[] (free it with delete[]).
    virtual Acad::ErrorStatus readBChunk(ads_binary* value) = 0;
    virtual Acad::ErrorStatus writeBChunk(const ads_binary& value) = 0;
    virtual Acad::ErrorStatus readAcDbHandle(AcDbHandle* value) = 0;
    virtual Acad::ErrorStatus writeAcDbHandle(const AcDbHandle& value) = 0;

    virtual Acad::ErrorStatus readInt64(Adesk::Int64* value) = 0;
    virtual Acad::ErrorStatus writeInt64(Adesk::Int64 value) = 0;
    virtual Acad::ErrorStatus readInt32(Adesk::Int32* value) = 0;
    virtual Acad::ErrorStatus writeInt32(Adesk::Int32 value) = 0;
    virtual Acad::ErrorStatus readInt16(Adesk::Int16* value) = 0;
    virtual Acad::ErrorStatus writeInt16(Adesk::Int16 value) = 0;
    virtual Acad::ErrorStatus readInt8(Adesk::Int8* value) = 0;
    virtual Acad::ErrorStatus writeInt8(Adesk::Int8 value) = 0;
    virtual Acad::ErrorStatus readUInt64(Adesk::UInt64* value) = 0;
    virtual Acad::ErrorStatus writeUInt64(Adesk::UInt64 value) = 0;
    virtual Acad::ErrorStatus readUInt32(Adesk::UInt32* value) = 0;
    virtual Acad::ErrorStatus writeUInt32(Adesk::UInt32 value) = 0;
    virtual Acad::ErrorStatus readUInt16(Adesk::UInt16* value) = 0;
    virtual Acad::ErrorStatus writeUInt16(Adesk::UInt16 value) = 0;
    virtual Acad::ErrorStatus readUInt8(Adesk::UInt8* value) = 0;
    virtual Acad::ErrorStatus writeUInt8(Adesk::UInt8 value) = 0;
    // Boolean and Bool are distinct items of the sequence, as the host files them.
    virtual Acad::ErrorStatus readBoolean(Adesk::Boolean* value) = 0;
    virtual Acad::ErrorStatus writeBoolean(Adesk::Boolean value) = 0;
    virtual Acad::ErrorStatus readBool(bool* value) = 0;
    virtual Acad::ErrorStatus writeBool(bool value) = 0;
    virtual Acad::ErrorStatus readDouble(double* value) = 0;
    virtual Acad::ErrorStatus writeDouble(double value) = 0;
    virtual Acad::ErrorStatus readPoint3d(AcGePoint3d* value) = 0;
    virtual Acad::ErrorStatus writePoint3d(const AcGePoint3d& value) = 0;
    virtual Acad::ErrorStatus readVector3d(AcGeVector3d* value) = 0;
    virtual Acad::ErrorStatus writeVector3d(const AcGeVector3d& value) = 0;
    // Raw bytes of a known count.
    virtual Acad::ErrorStatus readBytes(void* buffer, Adesk::UIntPtr count) = 0;
    virtual Acad::ErrorStatus writeBytes(const void* buffer, Adesk::UIntPtr count) = 0;
};

// A DXF filer: a sequence of groups, each a code and a value carried in a resbuf.
// The filer keeps its status and the message of its last error.
class AcDbDxfFiler : public AcRxObject {
public:
    ACRX_DECLARE_MEMBERS(AcDbDxfFiler);

    virtual AcDb::FilerType filerType() const = 0;
    virtual AcDbDatabase* database() const = 0;

    // The next group. A string value belongs to the filer and stays valid until the next read;
    // an object id arrives as an entity name (acdbGetObjectId turns it back).
    virtual Acad::ErrorStatus readItem(resbuf* item) = 0;
    // Writes one group; its value must be of the kind its code carries (eInvalidDxfCode).
    virtual Acad::ErrorStatus writeItem(const resbuf& item) = 0;
    // Makes the group last read the next one again.
    virtual Acad::ErrorStatus pushBackItem() = 0;
    virtual bool atEOF() = 0;

    Acad::ErrorStatus filerStatus() const { return status_; }
    void resetFilerStatus();
    // Records the error and its message (printf-style format) and answers the status.
    Acad::ErrorStatus setError(Acad::ErrorStatus status, const ACHAR* format, ...);
    const ACHAR* errorMessage() const { return errorMessage_.c_str(); }

    // True, consuming it, when the next group is the subclass marker (100) of that name;
    // otherwise the group stays unread.
    bool atSubclassData(const ACHAR* subclassName);
    // True when the next group starts extended data (-3 or 1001); nothing is consumed.
    bool atExtendedData();
    // True at the end of the filer or at the next object (group 0); nothing is consumed.
    bool atObjectEnd();

    Acad::ErrorStatus writeObjectId(AcDb::DxfCode code, const AcDbObjectId& id);
    Acad::ErrorStatus writeString(AcDb::DxfCode code, const ACHAR* value);
    Acad::ErrorStatus writeBChunk(AcDb::DxfCode code, const ads_binary& value);
    Acad::ErrorStatus writeAcDbHandle(AcDb::DxfCode code, const AcDbHandle& value);
    Acad::ErrorStatus writeInt64(AcDb::DxfCode code, Adesk::Int64 value);
    Acad::ErrorStatus writeInt32(AcDb::DxfCode code, Adesk::Int32 value);
    Acad::ErrorStatus writeInt16(AcDb::DxfCode code, Adesk::Int16 value);
    Acad::ErrorStatus writeInt8(AcDb::DxfCode code, Adesk::Int8 value);
    Acad::ErrorStatus writeUInt32(AcDb::DxfCode code, Adesk::UInt32 value);
    Acad::ErrorStatus writeUInt16(AcDb::DxfCode code, Adesk::UInt16 value);
    Acad::ErrorStatus writeUInt8(AcDb::DxfCode code, Adesk::UInt8 value);
    Acad::ErrorStatus writeBoolean(AcDb::DxfCode code, Adesk::Boolean value);
    Acad::ErrorStatus writeBool(AcDb::DxfCode code, bool value);
    // Reals keep their full value here; a filer writing text overrides these to apply the number
    // of decimals asked for. Angles are carried in radians.
    virtual Acad::ErrorStatus writeDouble(AcDb::DxfCode code, double value, int precision = AcDb::kDfltPrec);
    virtual Acad::ErrorStatus writePoint3d(AcDb::DxfCode code, const AcGePoint3d& value,
                                           int precision = AcDb::kDfltPrec);
    virtual Acad::ErrorStatus writeVector3d(AcDb::DxfCode code, const AcGeVector3d& value,
                                            int precision = AcDb::kDfltPrec);
    virtual Acad::ErrorStatus writeAngle(AcDb::DxfCode code, double radians, int precision = AcDb::kDfltPrec);

protected:
    void setStatus(Acad::ErrorStatus status) { status_ = status; }

private:
    Acad::ErrorStatus writeTyped(AcDb::DxfCode code, const resbuf& item);

    Acad::ErrorStatus status_ = Acad::eOk;
    std::wstring errorMessage_;
};
