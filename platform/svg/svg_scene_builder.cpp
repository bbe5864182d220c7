#include "svg_scene_builder.h"

#include "dbents.h"
#include "dbsymtb.h"
#include "editor_open_object.h"
#include "svg_entity_shapes.h"

#include <cwctype>
#include <memory>
#include <optional>

namespace rvnhost {

namespace {

constexpr int kByBlock = 0;
constexpr int kByLayer = 256;
constexpr int kForeground = 7;   // the colour a BYBLOCK entity of model space is drawn in
constexpr int kDeepestBlock = 32;  // references nested deeper are a cycle or a damaged drawing

struct LayerLook {
    std::wstring name;
    int colorIndex = kForeground;
    bool hidden = false;
};

// Where a block's entities go and what they inherit from the references they lie in.
struct Placement {
    AcGeMatrix3d transform = AcGeMatrix3d::kIdentity;
    RgbColour byBlock = aciColour(kForeground);
    AcDbObjectId layerOfZero;  // null in model space
    std::optional<RgbColour> colour;
    std::wstring handle;  // of the entity of model space being drawn
    int depth = 0;
};

std::wstring lowered(std::wstring text) {
    for (wchar_t& c : text) c = static_cast<wchar_t>(std::towlower(c));
    return text;
}

// The font family a style's font file stands for: a TrueType or OpenType font by its name, the
// host's stroke fonts as a plain sans-serif.
std::wstring fontFamilyOf(const std::wstring& fileName) {
    const std::wstring name = lowered(fileName);
    for (const wchar_t* extension : {L".ttf", L".otf"}) {
        const std::wstring ending(extension);
        if (name.size() > ending.size() && name.ends_with(ending)) {
            return name.substr(0, name.size() - ending.size()) + L", sans-serif";
        }
    }
    return L"sans-serif";
}

class SceneBuilder {
public:
    SceneBuilder(AcDbDatabase& database, const ColourOverrides& overrides, Scene& scene)
        : database_(database), overrides_(overrides), scene_(scene) {}

    bool addBlock(AcDbObjectId blockId, const Placement& placement);
    const std::wstring& message() const { return message_; }

private:
    bool addEntity(AcDbObjectId id, const Placement& placement);
    bool addReference(const AcDbBlockReference& reference, const ShapeLook& look, RgbColour ownColour,
                      const Placement& outer);
    bool addAttributes(const AcDbBlockReference& reference, const Placement& outer);
    const LayerLook& layer(AcDbObjectId id);
    const TextFont& font(AcDbObjectId styleId);
    AcDbObjectId effectiveLayer(const AcDbEntity& entity, const Placement& placement);
    RgbColour colourOf(const AcDbEntity& entity, const LayerLook& layer, const Placement& placement) const;
    bool fail(const std::wstring& text) {
        message_ = text;
        return false;
    }

    AcDbDatabase& database_;
    const ColourOverrides& overrides_;
    Scene& scene_;
    std::map<AcDbObjectId, LayerLook> layers_;
    std::map<AcDbObjectId, TextFont> fonts_;
    std::wstring message_;
};

const LayerLook& SceneBuilder::layer(AcDbObjectId id) {
    auto found = layers_.find(id);
    if (found != layers_.end()) return found->second;
    LayerLook look;
    OpenedObject<AcDbLayerTableRecord> record(id, AcDb::kForRead);
    if (record) {
        record->getName(look.name);
        look.colorIndex = record->colorIndex();
        look.hidden = record->isFrozen() || record->isOff();
    }
    return layers_.emplace(id, look).first->second;
}

const TextFont& SceneBuilder::font(AcDbObjectId styleId) {
    auto found = fonts_.find(styleId);
    if (found != fonts_.end()) return found->second;
    AcDbObjectId recordId = styleId;
    if (recordId.isNull()) {
        OpenedObject<AcDbTextStyleTable> table(database_.textStyleTableId(), AcDb::kForRead);
        if (table) table->getAt(L"Standard", recordId);
    }
    TextFont font{L"Standard", L"sans-serif"};
    OpenedObject<AcDbTextStyleTableRecord> record(recordId, AcDb::kForRead);
    const ACHAR* fileName = nullptr;
    if (record && record->fileName(fileName) == Acad::eOk) {
        record->getName(font.style);
        font.family = fontFamilyOf(fileName);
    }
    return fonts_.emplace(styleId, font).first->second;
}

AcDbObjectId SceneBuilder::effectiveLayer(const AcDbEntity& entity, const Placement& placement) {
    if (!placement.layerOfZero.isNull() && layer(entity.layerId()).name == L"0") return placement.layerOfZero;
    return entity.layerId();
}

RgbColour SceneBuilder::colourOf(const AcDbEntity& entity, const LayerLook& layer, const Placement& placement) const {
    if (placement.colour) return *placement.colour;
    const int index = entity.colorIndex();
    if (index == kByBlock) return placement.byBlock;
    return aciColour(index == kByLayer ? layer.colorIndex : index);
}

bool SceneBuilder::addBlock(AcDbObjectId blockId, const Placement& placement) {
    OpenedObject<AcDbBlockTableRecord> block(blockId, AcDb::kForRead);
    if (!block) return fail(L"a block of the drawing cannot be read");
    const std::vector<AcDbObjectId> entities = block->entityIds();
    for (AcDbObjectId id : entities) {
        if (id.isErased()) continue;
        if (!addEntity(id, placement)) return false;
    }
    return true;
}

bool SceneBuilder::addEntity(AcDbObjectId id, const Placement& placement) {
    OpenedObject<AcDbEntity> entity(id, AcDb::kForRead);
    if (!entity) return fail(L"an entity of the drawing cannot be read (handle " + shownHandle(id.handle()) + L")");
    // A definition inside a block is only the pattern of its references' attributes.
    if (placement.depth > 0 && AcDbAttributeDefinition::cast(entity.get()) != nullptr) return true;
    const AcDbObjectId layerId = effectiveLayer(*entity.get(), placement);
    const LayerLook& look = layer(layerId);
    if (look.hidden) return true;
    Placement own = placement;
    if (placement.depth == 0) {
        own.handle = id.handle().text();
        auto overridden = overrides_.find(id);
        if (overridden != overrides_.end()) own.colour = overridden->second;
    }
    const RgbColour ownColour = colourOf(*entity.get(), look, placement);
    const ShapeLook shapeLook{own.colour.value_or(ownColour), look.name, own.handle, own.colour.has_value()};
    if (const AcDbBlockReference* reference = AcDbBlockReference::cast(entity.get())) {
        own.layerOfZero = layerId;
        // A symbol in a colour of its own is also marked at its insertion point, however small it is.
        if (shapeLook.emphasised) {
            scene_.dots.push_back({shapeLook, PlaneMap(placement.transform).place(reference->position())});
            scene_.include(scene_.dots.back().at);
        }
        return addReference(*reference, shapeLook, ownColour, own);
    }
    const AcDbText* text = AcDbText::cast(entity.get());
    addEntityShapes(*entity.get(), PlaneMap(placement.transform), shapeLook,
                    text != nullptr ? font(text->textStyle()) : TextFont{}, scene_);
    return true;
}

// The block's entities go with the colour the reference is shown in; its attributes, which keep
// their own colours, with the reference's own.
bool SceneBuilder::addReference(const AcDbBlockReference& reference, const ShapeLook& look, RgbColour ownColour,
                                const Placement& outer) {
    if (outer.depth >= kDeepestBlock) return true;
    Placement inner = outer;
    inner.transform = outer.transform * reference.blockTransform();
    inner.byBlock = look.colour;
    inner.depth = outer.depth + 1;
    if (!addBlock(reference.blockTableRecord(), inner)) return false;
    Placement attributes = outer;
    attributes.colour.reset();
    attributes.byBlock = ownColour;
    return addAttributes(reference, attributes);
}

// Attributes lie where their reference placed them, in the space of the reference itself.
bool SceneBuilder::addAttributes(const AcDbBlockReference& reference, const Placement& outer) {
    std::unique_ptr<AcDbObjectIterator> iterator(reference.attributeIterator());
    for (iterator->start(); !iterator->done(); iterator->step()) {
        AcDbAttribute* opened = nullptr;
        if (reference.openAttribute(opened, iterator->objectId(), AcDb::kForRead) != Acad::eOk) {
            return fail(L"an attribute of a block reference cannot be read");
        }
        OpenedObject<AcDbAttribute> attribute(opened);
        const LayerLook& look = layer(effectiveLayer(*attribute.get(), outer));
        if (attribute->isInvisible() || look.hidden) continue;
        const ShapeLook shapeLook{colourOf(*attribute.get(), look, outer), look.name,
                                  iterator->objectId().handle().text()};
        addEntityShapes(*attribute.get(), PlaneMap(outer.transform), shapeLook, font(attribute->textStyle()), scene_);
    }
    return true;
}

}  // namespace

bool buildModelSpaceScene(AcDbDatabase& database, const ColourOverrides& overrides, Scene& scene,
                          std::wstring& message) {
    AcDbObjectId modelSpace;
    {
        OpenedObject<AcDbBlockTable> blocks(database.blockTableId(), AcDb::kForRead);
        if (!blocks || blocks->getAt(ACDB_MODEL_SPACE, modelSpace) != Acad::eOk) {
            message = L"the drawing has no model space";
            return false;
        }
    }
    SceneBuilder builder(database, overrides, scene);
    if (builder.addBlock(modelSpace, Placement{})) return true;
    message = builder.message();
    return false;
}

}  // namespace rvnhost
