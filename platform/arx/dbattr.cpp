#include "dbattr.h"

#include <cwctype>

#include "acutmem.h"
#include "builtin_class.h"
#include "dbents_setter.h"
#include "dbsymtb.h"
#include "object_access.h"

RVN_DEFINE_BUILTIN_MEMBERS(AcDbAttributeDefinition)
RVN_DEFINE_BUILTIN_MEMBERS(AcDbAttribute)

using rvnhost::setWhenWritable;

namespace {

ACHAR* newCopy(const std::wstring& text) {
    ACHAR* copy = nullptr;
    acutNewString(text.c_str(), copy);
    return copy;
}

bool isTag(const ACHAR* tag) {
    if (tag == nullptr || *tag == L'\0') return false;
    for (const ACHAR* c = tag; *c != L'\0'; ++c) {
        if (std::iswspace(*c)) return false;
    }
    return true;
}

}  // namespace

namespace rvnhost {

Acad::ErrorStatus AttributeFields::setTag(const AcDbObject& owner, const ACHAR* newTag) {
    if (!isTag(newTag)) return Acad::eInvalidInput;
    return setWhenWritable(owner, tag, std::wstring(newTag));
}

Acad::ErrorStatus AttributeFields::setFlag(const AcDbObject& owner, Adesk::Int16 flag, bool on) {
    return setWhenWritable(owner, flags, static_cast<Adesk::Int16>(on ? flags | flag : flags & ~flag));
}

}  // namespace rvnhost

// Definitions ----------------------------------------------------------------------------------------

AcDbAttributeDefinition::AcDbAttributeDefinition(const AcGePoint3d& position, const ACHAR* text, const ACHAR* tag,
                                                 const ACHAR* prompt, AcDbObjectId style)
    : AcDbText(position, text, style), prompt_(prompt != nullptr ? prompt : L"") {
    if (isTag(tag)) fields_.tag = tag;
}

ACHAR* AcDbAttributeDefinition::prompt() const { return newCopy(prompt_); }

Acad::ErrorStatus AcDbAttributeDefinition::setPrompt(const ACHAR* prompt) {
    return setWhenWritable(*this, prompt_, std::wstring(prompt != nullptr ? prompt : L""));
}

ACHAR* AcDbAttributeDefinition::tag() const { return newCopy(fields_.tag); }

Acad::ErrorStatus AcDbAttributeDefinition::setTag(const ACHAR* tag) { return fields_.setTag(*this, tag); }

Acad::ErrorStatus AcDbAttributeDefinition::setInvisible(bool invisible) { return fields_.setFlag(*this, 1, invisible); }

Acad::ErrorStatus AcDbAttributeDefinition::setConstant(bool constant) { return fields_.setFlag(*this, 2, constant); }

Acad::ErrorStatus AcDbAttributeDefinition::setVerifiable(bool verify) { return fields_.setFlag(*this, 4, verify); }

Acad::ErrorStatus AcDbAttributeDefinition::setPreset(bool preset) { return fields_.setFlag(*this, 8, preset); }

Acad::ErrorStatus AcDbAttributeDefinition::setFieldLength(Adesk::UInt16 length) {
    return setWhenWritable(*this, fields_.fieldLength, length);
}

// Attributes -----------------------------------------------------------------------------------------

AcDbAttribute::AcDbAttribute(const AcGePoint3d& position, const ACHAR* text, const ACHAR* tag, AcDbObjectId style)
    : AcDbText(position, text, style) {
    if (isTag(tag)) fields_.tag = tag;
}

ACHAR* AcDbAttribute::tag() const { return newCopy(fields_.tag); }

Acad::ErrorStatus AcDbAttribute::setTag(const ACHAR* tag) { return fields_.setTag(*this, tag); }

Acad::ErrorStatus AcDbAttribute::setInvisible(bool invisible) { return fields_.setFlag(*this, 1, invisible); }

Acad::ErrorStatus AcDbAttribute::setConstant(bool constant) { return fields_.setFlag(*this, 2, constant); }

Acad::ErrorStatus AcDbAttribute::setFieldLength(Adesk::UInt16 length) {
    return setWhenWritable(*this, fields_.fieldLength, length);
}

Acad::ErrorStatus AcDbAttribute::setAttributeFromBlock(const AcDbAttributeDefinition* definition,
                                                       const AcGeMatrix3d& blockTransform) {
    Acad::ErrorStatus status = assertWriteEnabled();
    if (status != Acad::eOk) return status;
    if (definition == nullptr) return Acad::eNullEntityPointer;
    status = setPropertiesFrom(definition);
    if (status != Acad::eOk) return status;
    copyTextFields(*definition);
    fields_ = definition->fields_;
    return transformBy(blockTransform);
}

Acad::ErrorStatus AcDbAttribute::setAttributeFromBlock(const AcGeMatrix3d& blockTransform) {
    return transformBy(blockTransform);
}

// Block definitions ----------------------------------------------------------------------------------

bool AcDbBlockTableRecord::hasAttributeDefinitions() const {
    for (AcDbObjectId id : entityIds()) {
        if (!id.isErased() && AcDbAttributeDefinition::cast(rvnhost::ObjectAccess::peek(id)) != nullptr) return true;
    }
    return false;
}
