// Attributes: texts with a tag. An attribute definition (DXF "ATTDEF") lies in a block
// definition; each reference of the block carries an attribute (DXF "ATTRIB") made from it.
#pragma once

#include "dbtext.h"

class AcGeMatrix3d;

namespace rvnhost {

// What attribute definitions and attributes both carry. Flags (DXF group 70): 1 invisible,
// 2 constant, 4 verification required, 8 preset.
struct AttributeFields {
    std::wstring tag;
    Adesk::Int16 flags = 0;
    Adesk::UInt16 fieldLength = 0;

    Acad::ErrorStatus setTag(const AcDbObject& owner, const ACHAR* newTag);
    Acad::ErrorStatus setFlag(const AcDbObject& owner, Adesk::Int16 flag, bool on);
    void dwgOut(AcDbDwgFiler* filer) const;
    Acad::ErrorStatus dwgIn(AcDbDwgFiler* filer);
    // 2 tag, 70 flags, 73 field length.
    void dxfOut(AcDbDxfFiler* filer) const;
    // Takes 2, 70 or 73; answers whether the group was one of them.
    bool dxfIn(const resbuf& group);
};

}  // namespace rvnhost

class AcDbAttributeDefinition : public AcDbText {
public:
    ACRX_DECLARE_MEMBERS(AcDbAttributeDefinition);

    AcDbAttributeDefinition() = default;
    AcDbAttributeDefinition(const AcGePoint3d& position, const ACHAR* text, const ACHAR* tag, const ACHAR* prompt,
                            AcDbObjectId style = AcDbObjectId());

    // The texts as new strings (free them with acutDelString), or the texts inside the entity.
    ACHAR* prompt() const;
    const ACHAR* promptConst() const { return prompt_.c_str(); }
    Acad::ErrorStatus setPrompt(const ACHAR* prompt);
    ACHAR* tag() const;
    const ACHAR* tagConst() const { return fields_.tag.c_str(); }
    // eInvalidInput for an empty tag or one with blanks.
    Acad::ErrorStatus setTag(const ACHAR* tag);
    bool isInvisible() const { return (fields_.flags & 1) != 0; }
    Acad::ErrorStatus setInvisible(bool invisible);
    bool isConstant() const { return (fields_.flags & 2) != 0; }
    Acad::ErrorStatus setConstant(bool constant);
    bool isVerifiable() const { return (fields_.flags & 4) != 0; }
    Acad::ErrorStatus setVerifiable(bool verify);
    bool isPreset() const { return (fields_.flags & 8) != 0; }
    Acad::ErrorStatus setPreset(bool preset);
    Adesk::UInt16 fieldLength() const { return fields_.fieldLength; }
    Acad::ErrorStatus setFieldLength(Adesk::UInt16 length);

    Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
    Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;
    Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
    Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;

private:
    friend class AcDbAttribute;
    std::wstring prompt_;
    rvnhost::AttributeFields fields_;
};

class AcDbAttribute : public AcDbText {
public:
    ACRX_DECLARE_MEMBERS(AcDbAttribute);

    AcDbAttribute() = default;
    AcDbAttribute(const AcGePoint3d& position, const ACHAR* text, const ACHAR* tag, AcDbObjectId style = AcDbObjectId());

    ACHAR* tag() const;
    const ACHAR* tagConst() const { return fields_.tag.c_str(); }
    Acad::ErrorStatus setTag(const ACHAR* tag);
    bool isInvisible() const { return (fields_.flags & 1) != 0; }
    Acad::ErrorStatus setInvisible(bool invisible);
    bool isConstant() const { return (fields_.flags & 2) != 0; }
    Acad::ErrorStatus setConstant(bool constant);
    bool isVerifiable() const { return (fields_.flags & 4) != 0; }
    bool isPreset() const { return (fields_.flags & 8) != 0; }
    Adesk::UInt16 fieldLength() const { return fields_.fieldLength; }
    Acad::ErrorStatus setFieldLength(Adesk::UInt16 length);

    // Makes the attribute the one the definition gives a block reference with that transform: the
    // definition's text, tag, flags, field length, text properties and entity properties, all
    // carried by the transform. eNullEntityPointer without a definition.
    Acad::ErrorStatus setAttributeFromBlock(const AcDbAttributeDefinition* definition, const AcGeMatrix3d& blockTransform);
    // Carries the attribute by the transform of its block reference.
    Acad::ErrorStatus setAttributeFromBlock(const AcGeMatrix3d& blockTransform);

    Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
    Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;
    Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
    Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;

private:
    rvnhost::AttributeFields fields_;
};
