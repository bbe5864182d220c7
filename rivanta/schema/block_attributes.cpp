#include "schema/block_attributes.h"

#include "db_entity_iterator.h"
#include "dbattr.h"
#include "dbsymtb.h"
#include "host/open_object.h"
#include "schema/block_entities.h"
#include "schema/open_attribute.h"
#include "schema/schema_layers.h"

#include <cwctype>
#include <memory>

namespace {

const TzRvnTaggedText* textFor(const std::vector<TzRvnTaggedText>& texts, std::wstring_view tag) {
    for (const TzRvnTaggedText& text : texts) {
        if (SameTag(text.tag, tag)) return &text;
    }
    return nullptr;
}

std::wstring layerFor(std::wstring_view networkLayer, std::span<const rvnschema::AttributeLayer> layers,
                      std::wstring_view tag) {
    for (const rvnschema::AttributeLayer& layer : layers) {
        if (SameTag(layer.tag, tag)) return std::wstring(networkLayer) + std::wstring(layer.suffix);
    }
    return std::wstring(networkLayer);
}

// The attribute definitions of the block that are not constant, in block order.
std::vector<AcDbObjectId> variableDefinitions(AcDbObjectId blockId) {
    std::vector<AcDbObjectId> entities;
    std::vector<AcDbObjectId> ids;
    BlockEntityIds(blockId, entities);
    for (AcDbObjectId id : entities) {
        TzRvnOpenObject<AcDbAttributeDefinition> definition(id, AcDb::kForRead);
        if (definition.isOpen() && !definition->isConstant()) ids.push_back(id);
    }
    return ids;
}

Acad::ErrorStatus addAttribute(AcDbBlockReference& reference, const AcDbAttributeDefinition& definition,
                               const std::wstring& text, const std::wstring& layer) {
    auto attribute = std::make_unique<AcDbAttribute>();
    Acad::ErrorStatus status = attribute->setAttributeFromBlock(&definition, reference.blockTransform());
    if (status == Acad::eOk) status = attribute->setTextString(text.c_str());
    AcDbObjectId layerId;
    if (status == Acad::eOk) status = FindLayer(reference.database(), layer, layerId);
    if (status == Acad::eOk) status = attribute->setLayer(layerId);
    if (status != Acad::eOk) return status;
    AcDbObjectId id;
    status = reference.appendAttribute(id, attribute.get());
    if (status != Acad::eOk) return status;
    return attribute.release()->close();
}

}  // namespace

std::vector<AcDbObjectId> AttributeIds(const AcDbBlockReference& reference) {
    std::vector<AcDbObjectId> ids;
    std::unique_ptr<AcDbObjectIterator> iterator(reference.attributeIterator());
    if (iterator == nullptr) return ids;
    for (iterator->start(); !iterator->done(); iterator->step()) ids.push_back(iterator->objectId());
    return ids;
}

bool SameTag(std::wstring_view a, std::wstring_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::towupper(a[i]) != std::towupper(b[i])) return false;
    }
    return true;
}

bool ReadAttributeTexts(const AcDbBlockReference& reference, std::vector<TzRvnTaggedText>& texts) {
    texts.clear();
    for (AcDbObjectId id : AttributeIds(reference)) {
        auto attribute = OpenAttribute(reference, id, AcDb::kForRead);
        if (!attribute.isOpen()) return false;
        texts.push_back({attribute->tagConst(), attribute->textStringConst()});
    }
    return true;
}

std::optional<std::wstring> FindAttributeText(const std::vector<TzRvnTaggedText>& texts, std::wstring_view tag) {
    const TzRvnTaggedText* found = textFor(texts, tag);
    if (found == nullptr) return std::nullopt;
    return found->text;
}

int WriteAttributeTexts(const AcDbBlockReference& reference, const std::vector<TzRvnTaggedText>& texts) {
    int changed = 0;
    for (AcDbObjectId id : AttributeIds(reference)) {
        auto attribute = OpenAttribute(reference, id, AcDb::kForWrite);
        if (!attribute.isOpen() || attribute->isConstant()) continue;
        const TzRvnTaggedText* text = textFor(texts, attribute->tagConst());
        if (text != nullptr && attribute->setTextString(text->text.c_str()) == Acad::eOk) ++changed;
    }
    return changed;
}

Acad::ErrorStatus AddBlockAttributes(AcDbBlockReference& reference, std::wstring_view networkLayer,
                                     std::span<const rvnschema::AttributeLayer> layers,
                                     const std::vector<TzRvnTaggedText>& texts) {
    for (AcDbObjectId id : variableDefinitions(reference.blockTableRecord())) {
        TzRvnOpenObject<AcDbAttributeDefinition> definition(id, AcDb::kForRead);
        if (!definition.isOpen()) return definition.status();
        const TzRvnTaggedText* text = textFor(texts, definition->tagConst());
        const Acad::ErrorStatus status =
            addAttribute(reference, *definition, text != nullptr ? text->text : std::wstring(),
                         layerFor(networkLayer, layers, definition->tagConst()));
        if (status != Acad::eOk) return status;
    }
    return Acad::eOk;
}
