// DWG and DXF filing of attribute definitions and attributes: a text's fields, then their own.
#include "db_entity_dxf.h"
#include "dbattr.h"
#include "dbfiler.h"

namespace {

constexpr AcDb::DxfCode kFlags = AcDb::kDxfInt16;
constexpr AcDb::DxfCode kFieldLength = static_cast<AcDb::DxfCode>(73);
constexpr AcDb::DxfCode kVerticalMode = static_cast<AcDb::DxfCode>(74);
constexpr AcDb::DxfCode kPrompt = static_cast<AcDb::DxfCode>(3);
constexpr AcDb::DxfCode kTag = AcDb::kDxfSymbolTableName;

}  // namespace

namespace rvnhost {

void AttributeFields::dwgOut(AcDbDwgFiler* filer) const {
    filer->writeString(tag.c_str());
    filer->writeInt16(flags);
    filer->writeUInt16(fieldLength);
}

Acad::ErrorStatus AttributeFields::dwgIn(AcDbDwgFiler* filer) {
    AttributeFields read;
    filer->readString(read.tag);
    filer->readInt16(&read.flags);
    filer->readUInt16(&read.fieldLength);
    if (filer->filerStatus() != Acad::eOk) return filer->filerStatus();
    *this = std::move(read);
    return Acad::eOk;
}

void AttributeFields::dxfOut(AcDbDxfFiler* filer) const {
    filer->writeString(kTag, tag.c_str());
    filer->writeInt16(kFlags, flags);
    if (fieldLength != 0) filer->writeInt16(kFieldLength, static_cast<Adesk::Int16>(fieldLength));
}

bool AttributeFields::dxfIn(const resbuf& group) {
    switch (group.restype) {
    case kTag: tag = group.resval.rstring; return true;
    case kFlags: flags = group.resval.rint; return true;
    case kFieldLength: fieldLength = static_cast<Adesk::UInt16>(group.resval.rint); return true;
    default: return false;
    }
}

}  // namespace rvnhost

namespace {

Acad::ErrorStatus checkTag(AcDbDxfFiler* filer, const rvnhost::AttributeFields& fields) {
    if (!fields.tag.empty()) return Acad::eOk;
    return filer->setError(Acad::eMissingDxfField, L"\nError: an attribute without its tag (group 2)");
}

}  // namespace

// Definitions ----------------------------------------------------------------------------------------

Acad::ErrorStatus AcDbAttributeDefinition::dwgOutFields(AcDbDwgFiler* filer) const {
    Acad::ErrorStatus status = AcDbText::dwgOutFields(filer);
    if (status != Acad::eOk) return status;
    filer->writeString(prompt_.c_str());
    fields_.dwgOut(filer);
    return filer->filerStatus();
}

Acad::ErrorStatus AcDbAttributeDefinition::dwgInFields(AcDbDwgFiler* filer) {
    Acad::ErrorStatus status = AcDbText::dwgInFields(filer);
    if (status != Acad::eOk) return status;
    std::wstring prompt;
    filer->readString(prompt);
    status = fields_.dwgIn(filer);
    if (status == Acad::eOk) prompt_ = std::move(prompt);
    return status;
}

// The text groups (1 is the default value), then 100 "AcDbAttributeDefinition", 3 prompt, 2 tag,
// 70 flags, 73 field length, 74 vertical justification.
Acad::ErrorStatus AcDbAttributeDefinition::dxfOutFields(AcDbDxfFiler* filer) const {
    Acad::ErrorStatus status = AcDbEntity::dxfOutFields(filer);
    if (status != Acad::eOk) return status;
    dxfOutTextGroups(filer);
    filer->writeString(AcDb::kDxfSubclass, L"AcDbAttributeDefinition");
    filer->writeString(kPrompt, prompt_.c_str());
    fields_.dxfOut(filer);
    if (verticalMode() != AcDb::kTextBase) filer->writeInt16(kVerticalMode, static_cast<Adesk::Int16>(verticalMode()));
    return filer->filerStatus();
}

Acad::ErrorStatus AcDbAttributeDefinition::dxfInFields(AcDbDxfFiler* filer) {
    Acad::ErrorStatus status = AcDbEntity::dxfInFields(filer);
    if (status == Acad::eOk) status = rvnhost::expectSubclass(filer, L"AcDbText");
    if (status != Acad::eOk) return status;
    startDxfIn();
    status = rvnhost::readSubclassGroups(filer, [&](const resbuf& group) { return dxfInTextGroup(filer, group); });
    if (status == Acad::eOk) status = rvnhost::expectSubclass(filer, L"AcDbAttributeDefinition");
    if (status == Acad::eOk) {
        status = rvnhost::readSubclassGroups(filer, [&](const resbuf& group) {
            if (fields_.dxfIn(group)) return Acad::eOk;
            if (group.restype == kPrompt) prompt_ = group.resval.rstring;
            return dxfInTextGroup(filer, group, kVerticalMode);
        });
    }
    if (status == Acad::eOk) status = checkTag(filer, fields_);
    return status == Acad::eOk ? finishDxfIn(filer) : status;
}

// Attributes -----------------------------------------------------------------------------------------

Acad::ErrorStatus AcDbAttribute::dwgOutFields(AcDbDwgFiler* filer) const {
    Acad::ErrorStatus status = AcDbText::dwgOutFields(filer);
    if (status != Acad::eOk) return status;
    fields_.dwgOut(filer);
    return filer->filerStatus();
}

Acad::ErrorStatus AcDbAttribute::dwgInFields(AcDbDwgFiler* filer) {
    Acad::ErrorStatus status = AcDbText::dwgInFields(filer);
    if (status != Acad::eOk) return status;
    return fields_.dwgIn(filer);
}

// The text groups (1 is the value), then 100 "AcDbAttribute", 2 tag, 70 flags, 73 field length,
// 74 vertical justification.
Acad::ErrorStatus AcDbAttribute::dxfOutFields(AcDbDxfFiler* filer) const {
    Acad::ErrorStatus status = AcDbEntity::dxfOutFields(filer);
    if (status != Acad::eOk) return status;
    dxfOutTextGroups(filer);
    filer->writeString(AcDb::kDxfSubclass, L"AcDbAttribute");
    fields_.dxfOut(filer);
    if (verticalMode() != AcDb::kTextBase) filer->writeInt16(kVerticalMode, static_cast<Adesk::Int16>(verticalMode()));
    return filer->filerStatus();
}

Acad::ErrorStatus AcDbAttribute::dxfInFields(AcDbDxfFiler* filer) {
    Acad::ErrorStatus status = AcDbEntity::dxfInFields(filer);
    if (status == Acad::eOk) status = rvnhost::expectSubclass(filer, L"AcDbText");
    if (status != Acad::eOk) return status;
    startDxfIn();
    status = rvnhost::readSubclassGroups(filer, [&](const resbuf& group) { return dxfInTextGroup(filer, group); });
    if (status == Acad::eOk) status = rvnhost::expectSubclass(filer, L"AcDbAttribute");
    if (status == Acad::eOk) {
        status = rvnhost::readSubclassGroups(filer, [&](const resbuf& group) {
            return fields_.dxfIn(group) ? Acad::eOk : dxfInTextGroup(filer, group, kVerticalMode);
        });
    }
    if (status == Acad::eOk) status = checkTag(filer, fields_);
    return status == Acad::eOk ? finishDxfIn(filer) : status;
}
