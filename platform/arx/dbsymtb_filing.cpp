// DWG and DXF filing of the symbol tables and their records.
#include <cmath>

#include "dbfiler.h"
#include "dbsymtb.h"
#include "object_access.h"

namespace {

// Ids that are live, for writing: erased objects are not saved.
std::vector<AcDbObjectId> liveIds(const std::vector<AcDbObjectId>& ids) {
    std::vector<AcDbObjectId> live;
    for (AcDbObjectId id : ids) {
        if (!id.isErased()) live.push_back(id);
    }
    return live;
}

Acad::ErrorStatus writeOwnedIds(AcDbDwgFiler* filer, const std::vector<AcDbObjectId>& ids) {
    std::vector<AcDbObjectId> live = liveIds(ids);
    filer->writeInt32(static_cast<Adesk::Int32>(live.size()));
    for (AcDbObjectId id : live) filer->writeHardOwnershipId(id);
    return filer->filerStatus();
}

Acad::ErrorStatus readOwnedIds(AcDbDwgFiler* filer, std::vector<AcDbObjectId>& ids) {
    Adesk::Int32 count = 0;
    filer->readInt32(&count);
    std::vector<AcDbObjectId> read;
    for (Adesk::Int32 i = 0; i < count && filer->filerStatus() == Acad::eOk; ++i) {
        AcDbHardOwnershipId id;
        filer->readHardOwnershipId(&id);
        read.push_back(id);
    }
    if (filer->filerStatus() == Acad::eOk) ids = std::move(read);
    return filer->filerStatus();
}

// Calls take(group) for each remaining group of the object, up to its extended data.
template <class Take>
Acad::ErrorStatus readGroups(AcDbDxfFiler* filer, Take take) {
    resbuf group{};
    while (!filer->atObjectEnd() && !filer->atExtendedData() && filer->readItem(&group) == Acad::eOk) take(group);
    return filer->filerStatus();
}

}  // namespace

// Tables ---------------------------------------------------------------------------------------------

Acad::ErrorStatus AcDbSymbolTable::dwgOutFields(AcDbDwgFiler* filer) const {
    Acad::ErrorStatus status = AcDbObject::dwgOutFields(filer);
    if (status != Acad::eOk) return status;
    return writeOwnedIds(filer, records_);
}

Acad::ErrorStatus AcDbSymbolTable::dwgInFields(AcDbDwgFiler* filer) {
    Acad::ErrorStatus status = AcDbObject::dwgInFields(filer);
    if (status != Acad::eOk) return status;
    return readOwnedIds(filer, records_);
}

// 100 "AcDbSymbolTable", 70 (the number of records). The records follow the table in a DXF file,
// each naming the table as its owner; the reader takes them in with attachRecord.
Acad::ErrorStatus AcDbSymbolTable::dxfOutFields(AcDbDxfFiler* filer) const {
    Acad::ErrorStatus status = AcDbObject::dxfOutFields(filer);
    if (status != Acad::eOk) return status;
    filer->writeString(AcDb::kDxfSubclass, L"AcDbSymbolTable");
    filer->writeInt16(AcDb::kDxfInt16, static_cast<Adesk::Int16>(liveIds(records_).size()));
    return filer->filerStatus();
}

Acad::ErrorStatus AcDbSymbolTable::dxfInFields(AcDbDxfFiler* filer) {
    Acad::ErrorStatus status = AcDbObject::dxfInFields(filer);
    if (status != Acad::eOk) return status;
    if (!filer->atSubclassData(L"AcDbSymbolTable")) return Acad::eBadDxfSequence;
    return readGroups(filer, [](const resbuf&) {});
}

// Records --------------------------------------------------------------------------------------------

Acad::ErrorStatus AcDbSymbolTableRecord::dwgOutFields(AcDbDwgFiler* filer) const {
    Acad::ErrorStatus status = AcDbObject::dwgOutFields(filer);
    if (status != Acad::eOk) return status;
    filer->writeString(name_.c_str());
    return filer->filerStatus();
}

Acad::ErrorStatus AcDbSymbolTableRecord::dwgInFields(AcDbDwgFiler* filer) {
    Acad::ErrorStatus status = AcDbObject::dwgInFields(filer);
    if (status != Acad::eOk) return status;
    filer->readString(name_);
    return filer->filerStatus();
}

Acad::ErrorStatus AcDbSymbolTableRecord::dxfOutFields(AcDbDxfFiler* filer) const {
    Acad::ErrorStatus status = AcDbObject::dxfOutFields(filer);
    if (status != Acad::eOk) return status;
    filer->writeString(AcDb::kDxfSubclass, L"AcDbSymbolTableRecord");
    return filer->filerStatus();
}

Acad::ErrorStatus AcDbSymbolTableRecord::dxfInFields(AcDbDxfFiler* filer) {
    Acad::ErrorStatus status = AcDbObject::dxfInFields(filer);
    if (status != Acad::eOk) return status;
    return filer->atSubclassData(L"AcDbSymbolTableRecord") ? Acad::eOk : Acad::eBadDxfSequence;
}

Acad::ErrorStatus AcDbSymbolTableRecord::dxfOutNameAndFlags(AcDbDxfFiler* filer, const ACHAR* subclass,
                                                            Adesk::Int16 flags) const {
    filer->writeString(AcDb::kDxfSubclass, subclass);
    filer->writeString(AcDb::kDxfSymbolTableName, name_.c_str());
    filer->writeInt16(AcDb::kDxfInt16, flags);
    return filer->filerStatus();
}

Acad::ErrorStatus AcDbSymbolTableRecord::dxfInNameAndFlags(AcDbDxfFiler* filer, const ACHAR* subclass,
                                                           Adesk::Int16& flags) {
    if (!filer->atSubclassData(subclass)) return Acad::eBadDxfSequence;
    resbuf group{};
    for (int code : {AcDb::kDxfSymbolTableName, AcDb::kDxfInt16}) {
        if (filer->readItem(&group) != Acad::eOk) return filer->filerStatus();
        if (group.restype != code) {
            filer->pushBackItem();
            return filer->setError(Acad::eMissingDxfField, L"\nError: expected group code %d", code);
        }
        if (code == AcDb::kDxfSymbolTableName) name_ = group.resval.rstring;
        else flags = group.resval.rint;
    }
    return filer->filerStatus();
}

// Blocks ---------------------------------------------------------------------------------------------

Acad::ErrorStatus AcDbBlockTableRecord::dwgOutFields(AcDbDwgFiler* filer) const {
    Acad::ErrorStatus status = AcDbSymbolTableRecord::dwgOutFields(filer);
    if (status != Acad::eOk) return status;
    filer->writePoint3d(origin_);
    return writeOwnedIds(filer, entities_);
}

Acad::ErrorStatus AcDbBlockTableRecord::dwgInFields(AcDbDwgFiler* filer) {
    Acad::ErrorStatus status = AcDbSymbolTableRecord::dwgInFields(filer);
    if (status != Acad::eOk) return status;
    filer->readPoint3d(&origin_);
    return readOwnedIds(filer, entities_);
}

// The origin and the entities of a block travel in the BLOCK and entity sections of a DXF file.
Acad::ErrorStatus AcDbBlockTableRecord::dxfOutFields(AcDbDxfFiler* filer) const {
    Acad::ErrorStatus status = AcDbSymbolTableRecord::dxfOutFields(filer);
    if (status != Acad::eOk) return status;
    filer->writeString(AcDb::kDxfSubclass, L"AcDbBlockTableRecord");
    filer->writeString(AcDb::kDxfSymbolTableName, nameText().c_str());
    return filer->filerStatus();
}

Acad::ErrorStatus AcDbBlockTableRecord::dxfInFields(AcDbDxfFiler* filer) {
    Acad::ErrorStatus status = AcDbSymbolTableRecord::dxfInFields(filer);
    if (status != Acad::eOk) return status;
    if (!filer->atSubclassData(L"AcDbBlockTableRecord")) return Acad::eBadDxfSequence;
    std::wstring name;
    status = readGroups(filer, [&](const resbuf& group) {
        if (group.restype == AcDb::kDxfSymbolTableName) name = group.resval.rstring;
    });
    if (status == Acad::eOk && !name.empty()) status = setName(name.c_str());
    return status;
}

// Layers: 62 is the colour, negative when the layer is off; 6 the linetype's name.
Acad::ErrorStatus AcDbLayerTableRecord::dwgOutFields(AcDbDwgFiler* filer) const {
    Acad::ErrorStatus status = AcDbSymbolTableRecord::dwgOutFields(filer);
    if (status != Acad::eOk) return status;
    filer->writeInt16(flags());
    filer->writeInt16(static_cast<Adesk::Int16>(off_ ? -colorIndex_ : colorIndex_));
    filer->writeHardPointerId(linetype_);
    return filer->filerStatus();
}

Acad::ErrorStatus AcDbLayerTableRecord::dwgInFields(AcDbDwgFiler* filer) {
    Acad::ErrorStatus status = AcDbSymbolTableRecord::dwgInFields(filer);
    if (status != Acad::eOk) return status;
    Adesk::Int16 flags = 0, color = 7;
    AcDbHardPointerId linetype;
    filer->readInt16(&flags);
    filer->readInt16(&color);
    filer->readHardPointerId(&linetype);
    if (filer->filerStatus() != Acad::eOk) return filer->filerStatus();
    setFlags(flags);
    off_ = color < 0;
    colorIndex_ = static_cast<Adesk::Int16>(std::abs(color));
    linetype_ = linetype;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbLayerTableRecord::dxfOutFields(AcDbDxfFiler* filer) const {
    Acad::ErrorStatus status = AcDbSymbolTableRecord::dxfOutFields(filer);
    if (status != Acad::eOk) return status;
    dxfOutNameAndFlags(filer, L"AcDbLayerTableRecord", flags());
    filer->writeInt16(AcDb::kDxfColor, static_cast<Adesk::Int16>(off_ ? -colorIndex_ : colorIndex_));
    filer->writeString(AcDb::kDxfLinetypeName, AcDbSymbolTable::recordName(linetype_).c_str());
    return filer->filerStatus();
}

Acad::ErrorStatus AcDbLayerTableRecord::dxfInFields(AcDbDxfFiler* filer) {
    Acad::ErrorStatus status = AcDbSymbolTableRecord::dxfInFields(filer);
    if (status != Acad::eOk) return status;
    Adesk::Int16 flags = 0;
    status = dxfInNameAndFlags(filer, L"AcDbLayerTableRecord", flags);
    if (status != Acad::eOk) return status;
    setFlags(flags);
    return readGroups(filer, [&](const resbuf& group) {
        if (group.restype == AcDb::kDxfColor) {
            off_ = group.resval.rint < 0;
            colorIndex_ = static_cast<Adesk::Int16>(std::abs(group.resval.rint));
        } else if (group.restype == AcDb::kDxfLinetypeName && database() != nullptr) {
            auto* table = static_cast<AcDbSymbolTable*>(rvnhost::ObjectAccess::peek(database()->linetypeTableId()));
            AcDbObjectId linetype = table != nullptr ? table->findRecord(group.resval.rstring, false) : AcDbObjectId();
            if (!linetype.isNull()) linetype_ = linetype;
        }
    });
}

// Linetypes: 3 the description; 72 the alignment ('A'), 73 the number of dashes and 40 the
// pattern length, which are 65, 0 and 0 for the solid linetypes of this host.
Acad::ErrorStatus AcDbLinetypeTableRecord::dwgOutFields(AcDbDwgFiler* filer) const {
    Acad::ErrorStatus status = AcDbSymbolTableRecord::dwgOutFields(filer);
    if (status != Acad::eOk) return status;
    filer->writeString(comments_.c_str());
    return filer->filerStatus();
}

Acad::ErrorStatus AcDbLinetypeTableRecord::dwgInFields(AcDbDwgFiler* filer) {
    Acad::ErrorStatus status = AcDbSymbolTableRecord::dwgInFields(filer);
    if (status != Acad::eOk) return status;
    filer->readString(comments_);
    return filer->filerStatus();
}

Acad::ErrorStatus AcDbLinetypeTableRecord::dxfOutFields(AcDbDxfFiler* filer) const {
    Acad::ErrorStatus status = AcDbSymbolTableRecord::dxfOutFields(filer);
    if (status != Acad::eOk) return status;
    dxfOutNameAndFlags(filer, L"AcDbLinetypeTableRecord", 0);
    filer->writeString(AcDb::kDxfDescription, comments_.c_str());
    filer->writeInt16(static_cast<AcDb::DxfCode>(72), 65);
    filer->writeInt16(static_cast<AcDb::DxfCode>(73), 0);
    filer->writeDouble(AcDb::kDxfReal, 0.0);
    return filer->filerStatus();
}

Acad::ErrorStatus AcDbLinetypeTableRecord::dxfInFields(AcDbDxfFiler* filer) {
    Acad::ErrorStatus status = AcDbSymbolTableRecord::dxfInFields(filer);
    if (status != Acad::eOk) return status;
    Adesk::Int16 flags = 0;
    status = dxfInNameAndFlags(filer, L"AcDbLinetypeTableRecord", flags);
    if (status != Acad::eOk) return status;
    return readGroups(filer, [&](const resbuf& group) {
        if (group.restype == AcDb::kDxfDescription) comments_ = group.resval.rstring;
    });
}

// Text styles: 40 fixed height, 41 width factor, 50 obliquing angle, 71 generation flags (0),
// 42 last height used, 3 font file, 4 big font file.
Acad::ErrorStatus AcDbTextStyleTableRecord::dwgOutFields(AcDbDwgFiler* filer) const {
    Acad::ErrorStatus status = AcDbSymbolTableRecord::dwgOutFields(filer);
    if (status != Acad::eOk) return status;
    filer->writeDouble(textSize_);
    filer->writeDouble(xScale_);
    filer->writeDouble(obliquingAngle_);
    filer->writeDouble(priorSize_);
    filer->writeString(fileName_.c_str());
    filer->writeString(bigFontFileName_.c_str());
    return filer->filerStatus();
}

Acad::ErrorStatus AcDbTextStyleTableRecord::dwgInFields(AcDbDwgFiler* filer) {
    Acad::ErrorStatus status = AcDbSymbolTableRecord::dwgInFields(filer);
    if (status != Acad::eOk) return status;
    filer->readDouble(&textSize_);
    filer->readDouble(&xScale_);
    filer->readDouble(&obliquingAngle_);
    filer->readDouble(&priorSize_);
    filer->readString(fileName_);
    filer->readString(bigFontFileName_);
    return filer->filerStatus();
}

Acad::ErrorStatus AcDbTextStyleTableRecord::dxfOutFields(AcDbDxfFiler* filer) const {
    Acad::ErrorStatus status = AcDbSymbolTableRecord::dxfOutFields(filer);
    if (status != Acad::eOk) return status;
    dxfOutNameAndFlags(filer, L"AcDbTextStyleTableRecord", 0);
    filer->writeDouble(AcDb::kDxfTxtSize, textSize_);
    filer->writeDouble(AcDb::kDxfTxtStyleXScale, xScale_);
    filer->writeAngle(AcDb::kDxfAngle, obliquingAngle_);
    filer->writeInt16(static_cast<AcDb::DxfCode>(71), 0);
    filer->writeDouble(static_cast<AcDb::DxfCode>(42), priorSize_);
    filer->writeString(AcDb::kDxfTextFontFile, fileName_.c_str());
    filer->writeString(AcDb::kDxfTextBigFontFile, bigFontFileName_.c_str());
    return filer->filerStatus();
}

Acad::ErrorStatus AcDbTextStyleTableRecord::dxfInFields(AcDbDxfFiler* filer) {
    Acad::ErrorStatus status = AcDbSymbolTableRecord::dxfInFields(filer);
    if (status != Acad::eOk) return status;
    Adesk::Int16 flags = 0;
    status = dxfInNameAndFlags(filer, L"AcDbTextStyleTableRecord", flags);
    if (status != Acad::eOk) return status;
    return readGroups(filer, [&](const resbuf& group) {
        switch (group.restype) {
        case AcDb::kDxfTxtSize: textSize_ = group.resval.rreal; break;
        case AcDb::kDxfTxtStyleXScale: xScale_ = group.resval.rreal; break;
        case AcDb::kDxfAngle: obliquingAngle_ = group.resval.rreal; break;
        case 42: priorSize_ = group.resval.rreal; break;
        case AcDb::kDxfTextFontFile: fileName_ = group.resval.rstring; break;
        case AcDb::kDxfTextBigFontFile: bigFontFileName_ = group.resval.rstring; break;
        default: break;
        }
    });
}

// Registered applications: the name and no flags.
Acad::ErrorStatus AcDbRegAppTableRecord::dxfOutFields(AcDbDxfFiler* filer) const {
    Acad::ErrorStatus status = AcDbSymbolTableRecord::dxfOutFields(filer);
    if (status != Acad::eOk) return status;
    return dxfOutNameAndFlags(filer, L"AcDbRegAppTableRecord", 0);
}

Acad::ErrorStatus AcDbRegAppTableRecord::dxfInFields(AcDbDxfFiler* filer) {
    Acad::ErrorStatus status = AcDbSymbolTableRecord::dxfInFields(filer);
    if (status != Acad::eOk) return status;
    Adesk::Int16 flags = 0;
    status = dxfInNameAndFlags(filer, L"AcDbRegAppTableRecord", flags);
    if (status != Acad::eOk) return status;
    return readGroups(filer, [](const resbuf&) {});
}
