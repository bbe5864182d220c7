#include "profiles/profile_drawing_lookup.h"

#include "acedads.h"
#include "dbblkref.h"
#include "dbsymtb.h"
#include "host/open_object.h"
#include "host/resbuf_list.h"
#include "profiles/title_block_names.h"
#include "schema/block_attributes.h"
#include "schema/block_entities.h"
#include "schema/model_space.h"

#include <algorithm>
#include <cwchar>
#include <cwctype>
#include <memory>
#include <vector>

namespace {

using rvnprofile::kProfileKeyTag;
using rvnprofile::kTitleBlockPrefix;

constexpr wchar_t kMarginSymbol[] = L"TZDISQR";

std::vector<std::wstring> BlockNames(AcDbDatabase* database) {
    std::vector<std::wstring> names;
    TzRvnOpenObject<AcDbBlockTable> table;
    if (table.take(database->getSymbolTable(table.slot(), AcDb::kForRead)) != Acad::eOk) return names;
    AcDbBlockTableIterator* raw = nullptr;
    if (table->newIterator(raw) != Acad::eOk) return names;
    std::unique_ptr<AcDbBlockTableIterator> iterator(raw);
    for (; !iterator->done(); iterator->step()) {
        AcDbObjectId id;
        if (iterator->getRecordId(id) != Acad::eOk) continue;
        TzRvnOpenObject<AcDbBlockTableRecord> block(id, AcDb::kForRead);
        std::wstring name;
        if (block.isOpen() && block->getName(name) == Acad::eOk) names.push_back(name);
    }
    return names;
}

bool IsTitleBlockName(std::wstring_view name) { return name.substr(0, kTitleBlockPrefix.size()) == kTitleBlockPrefix; }

bool IsTitleBlock(const AcDbBlockReference& reference) {
    TzRvnOpenObject<AcDbBlockTableRecord> block(reference.blockTableRecord(), AcDb::kForRead);
    std::wstring name;
    return block.isOpen() && block->getName(name) == Acad::eOk && IsTitleBlockName(name);
}

}  // namespace

int NextTitleNumber(AcDbDatabase* database) {
    int largest = 0;
    for (const std::wstring& name : BlockNames(database)) {
        if (!IsTitleBlockName(name) || name.size() <= kTitleBlockPrefix.size() || !std::iswdigit(name[kTitleBlockPrefix.size()])) {
            continue;
        }
        largest = std::max(largest, static_cast<int>(std::wcstol(name.c_str() + kTitleBlockPrefix.size(), nullptr, 10)));
    }
    return largest + 1;
}

bool ProfileKeyDrawn(AcDbDatabase* database, const std::wstring& key) {
    AcDbObjectId modelSpace;
    if (ModelSpaceId(database, modelSpace) != Acad::eOk) return false;
    std::vector<AcDbObjectId> entities;
    if (!BlockEntityIds(modelSpace, entities)) return false;
    for (AcDbObjectId id : entities) {
        TzRvnOpenObject<AcDbBlockReference> reference(id, AcDb::kForRead);
        if (!reference.isOpen() || !IsTitleBlock(*reference)) continue;
        std::vector<TzRvnTaggedText> texts;
        if (ReadAttributeTexts(*reference, texts) && FindAttributeText(texts, kProfileKeyTag) == key) return true;
    }
    return false;
}

std::optional<double> RealSymbol(const wchar_t* name) {
    TzRvnResbufList value;
    if (acedGetSym(name, &value.slot()) != RTNORM || value.get() == nullptr || value.get()->restype != RTREAL) {
        return std::nullopt;
    }
    return value.get()->resval.rreal;
}

double ProfileMargin() { return RealSymbol(kMarginSymbol).value_or(0.0); }
