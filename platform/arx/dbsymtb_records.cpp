// Layer, linetype, text style and registered application records, and what their tables add.
#include "builtin_class.h"
#include "dbsymtb.h"
#include "name_compare.h"
#include "object_access.h"

RVN_DEFINE_BUILTIN_MEMBERS(AcDbLayerTable)
RVN_DEFINE_BUILTIN_MEMBERS(AcDbLayerTableRecord)
RVN_DEFINE_BUILTIN_MEMBERS(AcDbLinetypeTable)
RVN_DEFINE_BUILTIN_MEMBERS(AcDbLinetypeTableRecord)
RVN_DEFINE_BUILTIN_MEMBERS(AcDbTextStyleTable)
RVN_DEFINE_BUILTIN_MEMBERS(AcDbTextStyleTableRecord)
RVN_DEFINE_BUILTIN_MEMBERS(AcDbRegAppTable)
RVN_DEFINE_BUILTIN_MEMBERS(AcDbRegAppTableRecord)

namespace {

// Sets a field after checking the object is open for write.
template <class T>
Acad::ErrorStatus setChecked(const AcDbObject& object, T& field, const T& value) {
    Acad::ErrorStatus status = object.assertWriteEnabled();
    if (status == Acad::eOk) field = value;
    return status;
}

bool isOneOf(const std::wstring& name, std::initializer_list<const wchar_t*> names) {
    for (const wchar_t* candidate : names) {
        if (rvnhost::sameName(name, candidate)) return true;
    }
    return false;
}

}  // namespace

// Layers ---------------------------------------------------------------------------------------------

Acad::ErrorStatus AcDbLayerTableRecord::setColorIndex(Adesk::Int16 index) {
    if (index < 1 || index > 255) return Acad::eBadColorIndex;
    return setChecked(*this, colorIndex_, index);
}

Acad::ErrorStatus AcDbLayerTableRecord::setIsFrozen(bool frozen) { return setChecked(*this, frozen_, frozen); }

Acad::ErrorStatus AcDbLayerTableRecord::setIsOff(bool off) { return setChecked(*this, off_, off); }

Acad::ErrorStatus AcDbLayerTableRecord::setIsLocked(bool locked) { return setChecked(*this, locked_, locked); }

Acad::ErrorStatus AcDbLayerTableRecord::setVPDFLT(bool frozen) {
    return setChecked(*this, frozenInNewViewports_, frozen);
}

Acad::ErrorStatus AcDbLayerTableRecord::setLinetypeObjectId(AcDbObjectId linetype) {
    if (linetype.isNull() || !linetype.isValid() ||
        AcDbLinetypeTableRecord::cast(rvnhost::ObjectAccess::peek(linetype)) == nullptr) {
        return Acad::eInvalidInput;
    }
    if (database() != nullptr && linetype.database() != database()) return Acad::eWrongDatabase;
    return setChecked(*this, linetype_, linetype);
}

// The flags of DXF group 70: 1 frozen, 2 frozen in new viewports, 4 locked.
Adesk::Int16 AcDbLayerTableRecord::flags() const {
    return static_cast<Adesk::Int16>((frozen_ ? 1 : 0) | (frozenInNewViewports_ ? 2 : 0) | (locked_ ? 4 : 0));
}

void AcDbLayerTableRecord::setFlags(Adesk::Int16 flags) {
    frozen_ = (flags & 1) != 0;
    frozenInNewViewports_ = (flags & 2) != 0;
    locked_ = (flags & 4) != 0;
}

Acad::ErrorStatus AcDbLayerTableRecord::subErase(bool erasing) {
    if (!erasing) return Acad::eOk;
    if (nameText() == L"0") return Acad::eCannotBeErasedByCaller;
    if (database() != nullptr && database()->clayer() == objectId()) return Acad::eCannotBeErasedByCaller;
    return Acad::eOk;
}

void AcDbLayerTable::prepareRecord(AcDbSymbolTableRecord* record) {
    auto* layer = static_cast<AcDbLayerTableRecord*>(record);
    if (layer->linetypeObjectId().isNull()) layer->setLinetypeObjectId(database()->continuousLinetype());
}

// Linetypes ------------------------------------------------------------------------------------------

Acad::ErrorStatus AcDbLinetypeTableRecord::comments(const ACHAR*& text) const {
    text = nullptr;
    Acad::ErrorStatus status = assertReadEnabled();
    if (status == Acad::eOk) text = comments_.c_str();
    return status;
}

Acad::ErrorStatus AcDbLinetypeTableRecord::setComments(const ACHAR* text) {
    return setChecked(*this, comments_, std::wstring(text != nullptr ? text : L""));
}

Acad::ErrorStatus AcDbLinetypeTableRecord::subErase(bool erasing) {
    if (erasing && isOneOf(nameText(), {L"ByLayer", L"ByBlock", L"Continuous"})) return Acad::eCannotBeErasedByCaller;
    return Acad::eOk;
}

// Text styles ----------------------------------------------------------------------------------------

Acad::ErrorStatus AcDbTextStyleTableRecord::setTextSize(double size) {
    if (!(size >= 0.0)) return Acad::eInvalidInput;
    return setChecked(*this, textSize_, size);
}

Acad::ErrorStatus AcDbTextStyleTableRecord::setXScale(double scale) {
    if (!(scale > 0.0)) return Acad::eInvalidInput;
    return setChecked(*this, xScale_, scale);
}

Acad::ErrorStatus AcDbTextStyleTableRecord::setObliquingAngle(double angle) {
    return setChecked(*this, obliquingAngle_, angle);
}

Acad::ErrorStatus AcDbTextStyleTableRecord::setPriorSize(double size) {
    if (!(size > 0.0)) return Acad::eInvalidInput;
    return setChecked(*this, priorSize_, size);
}

Acad::ErrorStatus AcDbTextStyleTableRecord::fileName(const ACHAR*& name) const {
    name = nullptr;
    Acad::ErrorStatus status = assertReadEnabled();
    if (status == Acad::eOk) name = fileName_.c_str();
    return status;
}

Acad::ErrorStatus AcDbTextStyleTableRecord::setFileName(const ACHAR* name) {
    return setChecked(*this, fileName_, std::wstring(name != nullptr ? name : L""));
}

Acad::ErrorStatus AcDbTextStyleTableRecord::bigFontFileName(const ACHAR*& name) const {
    name = nullptr;
    Acad::ErrorStatus status = assertReadEnabled();
    if (status == Acad::eOk) name = bigFontFileName_.c_str();
    return status;
}

Acad::ErrorStatus AcDbTextStyleTableRecord::setBigFontFileName(const ACHAR* name) {
    return setChecked(*this, bigFontFileName_, std::wstring(name != nullptr ? name : L""));
}

Acad::ErrorStatus AcDbTextStyleTableRecord::subErase(bool erasing) {
    if (!erasing) return Acad::eOk;
    if (rvnhost::sameName(nameText(), L"Standard")) return Acad::eCannotBeErasedByCaller;
    if (database() != nullptr && database()->textstyle() == objectId()) return Acad::eCannotBeErasedByCaller;
    return Acad::eOk;
}

// Registered applications ----------------------------------------------------------------------------

Acad::ErrorStatus AcDbRegAppTableRecord::subErase(bool erasing) {
    if (erasing && rvnhost::sameName(nameText(), L"ACAD")) return Acad::eCannotBeErasedByCaller;
    return Acad::eOk;
}
