// DWG and DXF filing of texts. In DXF the points of a text are in its object coordinate system.
#include <cmath>

#include "db_entity_dxf.h"
#include "dbfiler.h"
#include "dbsymtb.h"
#include "dbtext.h"
#include "gemat3d.h"
#include "name_compare.h"
#include "object_access.h"

namespace {

constexpr AcDb::DxfCode kAlignmentPoint = static_cast<AcDb::DxfCode>(11);
constexpr AcDb::DxfCode kGenerationFlags = static_cast<AcDb::DxfCode>(71);
constexpr AcDb::DxfCode kHorizontalMode = static_cast<AcDb::DxfCode>(72);
constexpr AcDb::DxfCode kVerticalMode = static_cast<AcDb::DxfCode>(73);

// The record of that name in the text style table of the database; null when there is none.
AcDbObjectId styleNamed(AcDbDatabase* database, const ACHAR* name) {
    if (database == nullptr) return AcDbObjectId();
    auto* table = static_cast<AcDbSymbolTable*>(rvnhost::ObjectAccess::peek(database->textStyleTableId()));
    return table != nullptr ? table->findRecord(name, false) : AcDbObjectId();
}

}  // namespace

Acad::ErrorStatus AcDbText::dwgOutFields(AcDbDwgFiler* filer) const {
    Acad::ErrorStatus status = AcDbEntity::dwgOutFields(filer);
    if (status != Acad::eOk) return status;
    filer->writePoint3d(position_);
    filer->writePoint3d(alignmentPoint_);
    filer->writeVector3d(normal_);
    for (double value : {thickness_, height_, widthFactor_, oblique_, rotation_}) filer->writeDouble(value);
    filer->writeInt16(static_cast<Adesk::Int16>(horizontalMode_));
    filer->writeInt16(static_cast<Adesk::Int16>(verticalMode_));
    filer->writeInt16(generation_);
    filer->writeString(text_.c_str());
    filer->writeHardPointerId(style_);
    return filer->filerStatus();
}

Acad::ErrorStatus AcDbText::dwgInFields(AcDbDwgFiler* filer) {
    Acad::ErrorStatus status = AcDbEntity::dwgInFields(filer);
    if (status != Acad::eOk) return status;
    AcDbText read;
    filer->readPoint3d(&read.position_);
    filer->readPoint3d(&read.alignmentPoint_);
    filer->readVector3d(&read.normal_);
    for (double* value : {&read.thickness_, &read.height_, &read.widthFactor_, &read.oblique_, &read.rotation_}) {
        filer->readDouble(value);
    }
    Adesk::Int16 horizontal = 0, vertical = 0;
    filer->readInt16(&horizontal);
    filer->readInt16(&vertical);
    filer->readInt16(&read.generation_);
    filer->readString(read.text_);
    AcDbHardPointerId style;
    filer->readHardPointerId(&style);
    if (filer->filerStatus() != Acad::eOk) return filer->filerStatus();
    if (read.normal_.isZeroLength() || !(read.height_ > 0.0) || !(read.widthFactor_ > 0.0) ||
        horizontal < AcDb::kTextLeft || horizontal > AcDb::kTextFit || vertical < AcDb::kTextBase ||
        vertical > AcDb::kTextTop) {
        return Acad::eDwgObjectImproperlyRead;
    }
    read.horizontalMode_ = static_cast<AcDb::TextHorzMode>(horizontal);
    read.verticalMode_ = static_cast<AcDb::TextVertMode>(vertical);
    read.style_ = style;
    copyTextFields(read);
    normal_ = normal_.normal();
    return Acad::eOk;
}

// 100 "AcDbText", 39 thickness, 10 insertion point, 40 height, 1 text, 50 rotation, 41 width
// factor, 51 oblique angle, 7 style, 71 generation flags, 72 horizontal justification, 11 the
// alignment point, 210 extrusion; defaults are left out as DXF writers do.
Acad::ErrorStatus AcDbText::dxfOutTextGroups(AcDbDxfFiler* filer) const {
    const AcGeMatrix3d toPlane = AcGeMatrix3d::worldToPlane(normal_);
    filer->writeString(AcDb::kDxfSubclass, L"AcDbText");
    if (thickness_ != 0.0) filer->writeDouble(AcDb::kDxfThickness, thickness_);
    filer->writePoint3d(AcDb::kDxfXCoord, toPlane * position_);
    filer->writeDouble(AcDb::kDxfTxtSize, height_);
    filer->writeString(AcDb::kDxfText, text_.c_str());
    if (rotation_ != 0.0) filer->writeAngle(AcDb::kDxfAngle, rotation_);
    if (widthFactor_ != 1.0) filer->writeDouble(AcDb::kDxfTxtStyleXScale, widthFactor_);
    if (oblique_ != 0.0) filer->writeAngle(AcDb::kDxfObliqueAngle, oblique_);
    const std::wstring style = style_.isNull() ? L"Standard" : AcDbSymbolTable::recordName(style_);
    filer->writeString(AcDb::kDxfTextStyleName, style.c_str());
    if (generation_ != 0) filer->writeInt16(kGenerationFlags, generation_);
    if (horizontalMode_ != AcDb::kTextLeft) filer->writeInt16(kHorizontalMode, static_cast<Adesk::Int16>(horizontalMode_));
    if (!isDefaultAlignment()) filer->writePoint3d(kAlignmentPoint, toPlane * alignmentPoint_);
    return rvnhost::writeNormal(filer, normal_);
}

// A second "AcDbText" section carries 73, the vertical justification.
Acad::ErrorStatus AcDbText::dxfOutFields(AcDbDxfFiler* filer) const {
    Acad::ErrorStatus status = AcDbEntity::dxfOutFields(filer);
    if (status != Acad::eOk) return status;
    dxfOutTextGroups(filer);
    filer->writeString(AcDb::kDxfSubclass, L"AcDbText");
    if (verticalMode_ != AcDb::kTextBase) filer->writeInt16(kVerticalMode, static_cast<Adesk::Int16>(verticalMode_));
    return filer->filerStatus();
}

Acad::ErrorStatus AcDbText::dxfInTextGroup(AcDbDxfFiler* filer, const resbuf& group, int verticalCode) {
    if (verticalCode != 0 && group.restype == verticalCode) {
        if (group.resval.rint < AcDb::kTextBase || group.resval.rint > AcDb::kTextTop) {
            return filer->setError(Acad::eInvalidInput, L"\nError: vertical justification %d", group.resval.rint);
        }
        verticalMode_ = static_cast<AcDb::TextVertMode>(group.resval.rint);
        return Acad::eOk;
    }
    switch (group.restype) {
    case AcDb::kDxfThickness: thickness_ = group.resval.rreal; break;
    case AcDb::kDxfXCoord: position_ = rvnhost::groupPoint(group); break;
    case AcDb::kDxfTxtSize: height_ = group.resval.rreal; break;
    case AcDb::kDxfText: text_ = group.resval.rstring; break;
    case AcDb::kDxfAngle: rotation_ = group.resval.rreal; break;
    case AcDb::kDxfTxtStyleXScale: widthFactor_ = group.resval.rreal; break;
    case AcDb::kDxfObliqueAngle: oblique_ = group.resval.rreal; break;
    case kGenerationFlags: generation_ = group.resval.rint; break;
    case kHorizontalMode:
        if (group.resval.rint < AcDb::kTextLeft || group.resval.rint > AcDb::kTextFit) {
            return filer->setError(Acad::eInvalidInput, L"\nError: horizontal justification %d", group.resval.rint);
        }
        horizontalMode_ = static_cast<AcDb::TextHorzMode>(group.resval.rint);
        break;
    case kAlignmentPoint: alignmentPoint_ = rvnhost::groupPoint(group); break;
    case AcDb::kDxfNormalX: return rvnhost::readNormal(filer, group, normal_);
    case AcDb::kDxfTextStyleName:
        style_ = styleNamed(filer->database() != nullptr ? filer->database() : database(), group.resval.rstring);
        if (style_.isNull() && !rvnhost::sameName(group.resval.rstring, L"Standard")) {
            return filer->setError(Acad::eKeyNotFound, L"\nError: unknown text style %ls", group.resval.rstring);
        }
        break;
    default: break;
    }
    return Acad::eOk;
}

void AcDbText::startDxfIn() { alignmentPoint_ = AcGePoint3d(NAN, NAN, NAN); }

// A text justified otherwise than left on the baseline without an alignment point is justified
// on its insertion point.
Acad::ErrorStatus AcDbText::finishDxfIn(AcDbDxfFiler* filer) {
    if (std::isnan(alignmentPoint_.x)) alignmentPoint_ = position_;
    if (!(height_ > 0.0) || !(widthFactor_ > 0.0)) {
        return filer->setError(Acad::eInvalidInput, L"\nError: text height %g, width factor %g", height_, widthFactor_);
    }
    const AcGeMatrix3d toWorld = AcGeMatrix3d::planeToWorld(normal_);
    position_.transformBy(toWorld);
    alignmentPoint_.transformBy(toWorld);
    return filer->filerStatus();
}

Acad::ErrorStatus AcDbText::dxfInFields(AcDbDxfFiler* filer) {
    Acad::ErrorStatus status = AcDbEntity::dxfInFields(filer);
    if (status == Acad::eOk) status = rvnhost::expectSubclass(filer, L"AcDbText");
    if (status != Acad::eOk) return status;
    startDxfIn();
    status = rvnhost::readSubclassGroups(filer, [&](const resbuf& group) { return dxfInTextGroup(filer, group); });
    if (status == Acad::eOk && filer->atSubclassData(L"AcDbText")) {
        status = rvnhost::readSubclassGroups(filer, [&](const resbuf& group) {
            return dxfInTextGroup(filer, group, kVerticalMode);
        });
    }
    return status == Acad::eOk ? finishDxfIn(filer) : status;
}
