#include "dbtext.h"

#include <cmath>

#include "acutmem.h"
#include "builtin_class.h"
#include "db_entity_extents.h"
#include "dbents_setter.h"
#include "dbsymtb.h"
#include "gemat3d.h"
#include "object_access.h"

RVN_DEFINE_BUILTIN_MEMBERS(AcDbText)

using rvnhost::setWhenWritable;

AcDbText::AcDbText(const AcGePoint3d& position, const ACHAR* text, AcDbObjectId style, double height, double rotation)
    : position_(position), height_(height > 0.0 ? height : 0.2), rotation_(rotation),
      text_(text != nullptr ? text : L""), style_(style) {}

Acad::ErrorStatus AcDbText::setPosition(const AcGePoint3d& position) {
    return setWhenWritable(*this, position_, position);
}

Acad::ErrorStatus AcDbText::setAlignmentPoint(const AcGePoint3d& point) {
    return setWhenWritable(*this, alignmentPoint_, point);
}

Acad::ErrorStatus AcDbText::setNormal(const AcGeVector3d& normal) {
    if (normal.isZeroLength()) return Acad::eInvalidNormal;
    return setWhenWritable(*this, normal_, normal.normal());
}

Acad::ErrorStatus AcDbText::setThickness(double thickness) { return setWhenWritable(*this, thickness_, thickness); }

Acad::ErrorStatus AcDbText::setHeight(double height) {
    if (!(height > 0.0)) return Acad::eInvalidInput;
    return setWhenWritable(*this, height_, height);
}

Acad::ErrorStatus AcDbText::setWidthFactor(double factor) {
    if (!(factor > 0.0)) return Acad::eInvalidInput;
    return setWhenWritable(*this, widthFactor_, factor);
}

Acad::ErrorStatus AcDbText::setOblique(double angle) { return setWhenWritable(*this, oblique_, angle); }

Acad::ErrorStatus AcDbText::setRotation(double angle) { return setWhenWritable(*this, rotation_, angle); }

Acad::ErrorStatus AcDbText::setHorizontalMode(AcDb::TextHorzMode mode) {
    if (mode < AcDb::kTextLeft || mode > AcDb::kTextFit) return Acad::eInvalidInput;
    return setWhenWritable(*this, horizontalMode_, mode);
}

Acad::ErrorStatus AcDbText::setVerticalMode(AcDb::TextVertMode mode) {
    if (mode < AcDb::kTextBase || mode > AcDb::kTextTop) return Acad::eInvalidInput;
    return setWhenWritable(*this, verticalMode_, mode);
}

Acad::ErrorStatus AcDbText::mirrorInX(bool mirror) {
    return setWhenWritable(*this, generation_, static_cast<Adesk::Int16>(mirror ? generation_ | 2 : generation_ & ~2));
}

Acad::ErrorStatus AcDbText::mirrorInY(bool mirror) {
    return setWhenWritable(*this, generation_, static_cast<Adesk::Int16>(mirror ? generation_ | 4 : generation_ & ~4));
}

ACHAR* AcDbText::textString() const {
    ACHAR* copy = nullptr;
    acutNewString(text_.c_str(), copy);
    return copy;
}

Acad::ErrorStatus AcDbText::setTextString(const ACHAR* text) {
    return setWhenWritable(*this, text_, std::wstring(text != nullptr ? text : L""));
}

Acad::ErrorStatus AcDbText::setTextStyle(AcDbObjectId style) {
    if (style.isNull() || style.isErased() ||
        AcDbTextStyleTableRecord::cast(rvnhost::ObjectAccess::peek(style)) == nullptr) {
        return Acad::eInvalidInput;
    }
    if (database() != nullptr && style.database() != database()) return Acad::eWrongDatabase;
    return setWhenWritable(*this, style_, style);
}

void AcDbText::copyTextFields(const AcDbText& other) {
    position_ = other.position_;
    alignmentPoint_ = other.alignmentPoint_;
    normal_ = other.normal_;
    thickness_ = other.thickness_;
    height_ = other.height_;
    widthFactor_ = other.widthFactor_;
    oblique_ = other.oblique_;
    rotation_ = other.rotation_;
    horizontalMode_ = other.horizontalMode_;
    verticalMode_ = other.verticalMode_;
    generation_ = other.generation_;
    text_ = other.text_;
    style_ = other.style_;
}

namespace {

// Where the lower left corner of a text box of that width lies, in the text's own frame, relative
// to the point the text is justified on.
AcGeVector3d justificationOffset(AcDb::TextHorzMode horizontal, AcDb::TextVertMode vertical, double width,
                                 double height) {
    double x = 0.0;
    if (horizontal == AcDb::kTextCenter || horizontal == AcDb::kTextMid) x = -width / 2.0;
    if (horizontal == AcDb::kTextRight) x = -width;
    double y = 0.0;
    if (vertical == AcDb::kTextVertMid || horizontal == AcDb::kTextMid) y = -height / 2.0;
    if (vertical == AcDb::kTextTop) y = -height;
    return {x, y, 0.0};
}

}  // namespace

Acad::ErrorStatus AcDbText::subGetGeomExtents(AcDbExtents& extents) const {
    const bool aligned = horizontalMode_ == AcDb::kTextAlign || horizontalMode_ == AcDb::kTextFit;
    double width = static_cast<double>(text_.size()) * height_ * widthFactor_;
    if (aligned) width = alignmentPoint_.distanceTo(position_);
    const AcGePoint3d anchor = isDefaultAlignment() || aligned ? position_ : alignmentPoint_;
    const AcGeVector3d offset = aligned ? AcGeVector3d() : justificationOffset(horizontalMode_, verticalMode_, width, height_);
    const AcGeMatrix3d toWorld = AcGeMatrix3d::translation(anchor.asVector()) *
                                 AcGeMatrix3d::planeToWorld(normal_) *
                                 AcGeMatrix3d::rotation(rotation_, AcGeVector3d::kZAxis);
    for (const AcGeVector3d& corner : {AcGeVector3d(0.0, 0.0, 0.0), AcGeVector3d(width, 0.0, 0.0),
                                       AcGeVector3d(0.0, height_, 0.0), AcGeVector3d(width, height_, 0.0)}) {
        const AcGeVector3d local = corner + offset;
        extents.addPoint(toWorld * AcGePoint3d(local.x, local.y, local.z));
    }
    return Acad::eOk;
}

// The text's baseline direction and its upward direction follow the matrix: they give the new
// normal, rotation, height and width factor. A matrix that would slant them is refused.
Acad::ErrorStatus AcDbText::subTransformBy(const AcGeMatrix3d& xform) {
    const AcGeMatrix3d toWorld = AcGeMatrix3d::planeToWorld(normal_);
    const AcGeVector3d along = xform * (toWorld * AcGeVector3d(std::cos(rotation_), std::sin(rotation_), 0.0));
    const AcGeVector3d up = xform * (toWorld * AcGeVector3d(-std::sin(rotation_), std::cos(rotation_), 0.0));
    if (along.isZeroLength() || up.isZeroLength()) return Acad::eNotApplicable;
    if (std::abs(along.normal().dotProduct(up.normal())) > 1e-9) return Acad::eCannotScaleNonUniformly;
    const AcGeVector3d normal = along.crossProduct(up).normal();
    const AcGeVector3d inPlane = AcGeMatrix3d::worldToPlane(normal) * along;
    rotation_ = std::atan2(inPlane.y, inPlane.x);
    widthFactor_ *= along.length() / up.length();
    height_ *= up.length();
    thickness_ *= (xform * normal_).length();
    normal_ = normal;
    position_.transformBy(xform);
    alignmentPoint_.transformBy(xform);
    return Acad::eOk;
}
