// A dictionary files its live entries: the key and the owned object of each.
#include "dbdict.h"
#include "dbfiler.h"

Acad::ErrorStatus AcDbDictionary::dwgOutFields(AcDbDwgFiler* filer) const {
    Acad::ErrorStatus status = AcDbObject::dwgOutFields(filer);
    if (status != Acad::eOk) return status;
    std::vector<Entry> live = liveEntries();
    filer->writeInt32(static_cast<Adesk::Int32>(live.size()));
    for (const Entry& entry : live) {
        filer->writeString(entry.key.c_str());
        filer->writeHardOwnershipId(entry.id);
    }
    return filer->filerStatus();
}

Acad::ErrorStatus AcDbDictionary::dwgInFields(AcDbDwgFiler* filer) {
    Acad::ErrorStatus status = AcDbObject::dwgInFields(filer);
    if (status != Acad::eOk) return status;
    Adesk::Int32 count = 0;
    filer->readInt32(&count);
    std::vector<Entry> entries;
    for (Adesk::Int32 i = 0; i < count && filer->filerStatus() == Acad::eOk; ++i) {
        Entry entry;
        AcDbHardOwnershipId id;
        filer->readString(entry.key);
        filer->readHardOwnershipId(&id);
        entry.id = id;
        entries.push_back(std::move(entry));
    }
    if (filer->filerStatus() == Acad::eOk) entries_ = std::move(entries);
    return filer->filerStatus();
}

// DXF: 100 "AcDbDictionary", 281 (duplicate record cloning: 1, keep existing), then for each
// entry 3 (its key) and 350 (its object).
Acad::ErrorStatus AcDbDictionary::dxfOutFields(AcDbDxfFiler* filer) const {
    Acad::ErrorStatus status = AcDbObject::dxfOutFields(filer);
    if (status != Acad::eOk) return status;
    filer->writeString(AcDb::kDxfSubclass, L"AcDbDictionary");
    filer->writeInt16(static_cast<AcDb::DxfCode>(281), 1);
    for (const Entry& entry : liveEntries()) {
        filer->writeString(AcDb::kDxfDescription, entry.key.c_str());
        filer->writeObjectId(AcDb::kDxfSoftOwnershipId, entry.id);
    }
    return filer->filerStatus();
}

Acad::ErrorStatus AcDbDictionary::dxfInFields(AcDbDxfFiler* filer) {
    Acad::ErrorStatus status = AcDbObject::dxfInFields(filer);
    if (status != Acad::eOk) return status;
    if (!filer->atSubclassData(L"AcDbDictionary")) return Acad::eBadDxfSequence;
    std::vector<Entry> entries;
    std::wstring key;
    resbuf group{};
    while (!filer->atObjectEnd() && !filer->atExtendedData() && filer->readItem(&group) == Acad::eOk) {
        if (group.restype == AcDb::kDxfDescription) {
            key = group.resval.rstring;
        } else if (group.restype == AcDb::kDxfSoftOwnershipId || group.restype == AcDb::kDxfHardOwnershipId) {
            AcDbObjectId id;
            if (acdbGetObjectId(id, group.resval.rlname) == Acad::eOk && !key.empty()) entries.push_back({key, id});
            key.clear();
        }
    }
    if (filer->filerStatus() == Acad::eOk) entries_ = std::move(entries);
    return filer->filerStatus();
}
