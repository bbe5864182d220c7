// A single line of text. DXF "TEXT". Positions are WCS points; the rotation is measured in the
// text's plane (the plane square to its normal, with the drawing's arbitrary axis rule).
#pragma once

#include <string>

#include "dbentity.h"
#include "gepnt3d.h"

namespace AcDb {
enum TextHorzMode { kTextLeft = 0, kTextCenter = 1, kTextRight = 2, kTextAlign = 3, kTextMid = 4, kTextFit = 5 };
enum TextVertMode { kTextBase = 0, kTextBottom = 1, kTextVertMid = 2, kTextTop = 3 };
}  // namespace AcDb

class AcDbText : public AcDbEntity {
public:
    ACRX_DECLARE_MEMBERS(AcDbText);

    AcDbText() = default;
    AcDbText(const AcGePoint3d& position, const ACHAR* text, AcDbObjectId style = AcDbObjectId(),
             double height = 0.2, double rotation = 0.0);

    AcGePoint3d position() const { return position_; }
    Acad::ErrorStatus setPosition(const AcGePoint3d& position);
    // The point the text is justified on, for justifications other than left on the baseline.
    AcGePoint3d alignmentPoint() const { return alignmentPoint_; }
    Acad::ErrorStatus setAlignmentPoint(const AcGePoint3d& point);
    bool isDefaultAlignment() const { return horizontalMode_ == AcDb::kTextLeft && verticalMode_ == AcDb::kTextBase; }
    AcGeVector3d normal() const { return normal_; }
    Acad::ErrorStatus setNormal(const AcGeVector3d& normal);
    double thickness() const { return thickness_; }
    Acad::ErrorStatus setThickness(double thickness);
    // Height above 0, width factor above 0 (eInvalidInput otherwise); angles in radians.
    double height() const { return height_; }
    Acad::ErrorStatus setHeight(double height);
    double widthFactor() const { return widthFactor_; }
    Acad::ErrorStatus setWidthFactor(double factor);
    double oblique() const { return oblique_; }
    Acad::ErrorStatus setOblique(double angle);
    double rotation() const { return rotation_; }
    Acad::ErrorStatus setRotation(double angle);
    AcDb::TextHorzMode horizontalMode() const { return horizontalMode_; }
    Acad::ErrorStatus setHorizontalMode(AcDb::TextHorzMode mode);
    AcDb::TextVertMode verticalMode() const { return verticalMode_; }
    Acad::ErrorStatus setVerticalMode(AcDb::TextVertMode mode);
    bool isMirroredInX() const { return (generation_ & 2) != 0; }
    Acad::ErrorStatus mirrorInX(bool mirror);
    bool isMirroredInY() const { return (generation_ & 4) != 0; }
    Acad::ErrorStatus mirrorInY(bool mirror);
    // The text as a new string (free it with acutDelString), or the text inside the entity.
    ACHAR* textString() const;
    const ACHAR* textStringConst() const { return text_.c_str(); }
    Acad::ErrorStatus setTextString(const ACHAR* text);
    // The text style record; null means the drawing's "Standard".
    AcDbObjectId textStyle() const { return style_; }
    Acad::ErrorStatus setTextStyle(AcDbObjectId style);

    Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
    Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;
    Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
    Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;

protected:
    // The box of the text is an estimate: each character as wide as the height times the width
    // factor.
    Acad::ErrorStatus subGetGeomExtents(AcDbExtents& extents) const override;
    Acad::ErrorStatus subTransformBy(const AcGeMatrix3d& xform) override;

    // The groups of the first "AcDbText" section, which attributes share with texts.
    Acad::ErrorStatus dxfOutTextGroups(AcDbDxfFiler* filer) const;
    // Reading a text's groups: startDxfIn first, then each group (those that are not the text's
    // are passed over; verticalCode names the group of the vertical justification, 0 for none
    // in the section), then finishDxfIn, which turns the OCS points to WCS and refuses bad values
    // with eInvalidInput and the filer's message.
    void startDxfIn();
    Acad::ErrorStatus dxfInTextGroup(AcDbDxfFiler* filer, const resbuf& group, int verticalCode = 0);
    Acad::ErrorStatus finishDxfIn(AcDbDxfFiler* filer);
    // Copies the text's own fields (not the entity's) from another text.
    void copyTextFields(const AcDbText& other);

private:
    AcGePoint3d position_;
    AcGePoint3d alignmentPoint_;
    AcGeVector3d normal_ = AcGeVector3d::kZAxis;
    double thickness_ = 0.0;
    double height_ = 0.2;
    double widthFactor_ = 1.0;
    double oblique_ = 0.0;
    double rotation_ = 0.0;
    AcDb::TextHorzMode horizontalMode_ = AcDb::kTextLeft;
    AcDb::TextVertMode verticalMode_ = AcDb::kTextBase;
    Adesk::Int16 generation_ = 0;
    std::wstring text_;
    AcDbObjectId style_;
};
