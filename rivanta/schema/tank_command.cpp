#include "schema/tank_command.h"

#include "acedads.h"
#include "dbblkref.h"
#include "dbsymtb.h"
#include "frame/command_line.h"
#include "host/open_object.h"
#include "schema/block_attributes.h"
#include "schema/insert_blocks.h"
#include "schema/schema_layers.h"
#include "schema/schema_names.h"
#include "schema/schema_texts.h"
#include "sysvars.h"
#include "ucs.h"

namespace {

// The node block's definition; false, said, when the drawing has none or it cannot be looked up.
bool findNodeBlock(AcDbDatabase* database, AcDbObjectId& blockId) {
    TzRvnOpenObject<AcDbBlockTable> blocks;
    if (blocks.take(database->getSymbolTable(blocks.slot(), AcDb::kForRead)) != Acad::eOk) {
        PrintMessage(rvntext::kBlockTableNotOpened);
        return false;
    }
    const Acad::ErrorStatus status = blocks->getAt(rvnschema::kNodeBlockName, blockId);
    if (status == Acad::eOk) return true;
    PrintMessage(status == Acad::eKeyNotFound ? rvntext::kNoNodeBlock : rvntext::kNodeBlockLookupFailed);
    return false;
}

struct PickedNode {
    AcGePoint3d position;
    AcDbObjectId layerId;
    std::wstring layerName;
    std::wstring name;
};

enum class Pick { node, again, end };

// Reads the picked entity as a node: again when it is none, end when it cannot be read.
Pick readNode(const ads_name entity, AcDbObjectId nodeBlock, PickedNode& node) {
    AcDbObjectId id;
    if (acdbGetObjectId(id, entity) != Acad::eOk) return PrintMessage(rvntext::kNoObjectId), Pick::end;
    TzRvnOpenObject<AcDbEntity> picked(id, AcDb::kForRead);
    if (!picked.isOpen()) return PrintMessage(rvntext::kEntityNotReadable), Pick::end;
    const auto* reference = AcDbBlockReference::cast(picked.get());
    if (!reference || reference->blockTableRecord() != nodeBlock) return PrintMessage(rvntext::kNotANode), Pick::again;
    std::vector<TzRvnTaggedText> texts;
    if (!ReadAttributeTexts(*reference, texts)) return Pick::end;
    const std::optional<std::wstring> name = FindAttributeText(texts, rvnschema::kNodeNameTag);
    if (!name) return Pick::end;
    node = {reference->position(), reference->layerId(), LayerName(reference->layerId()), *name};
    return Pick::node;
}

}  // namespace

void PlaceTanks() {
    AcDbDatabase* database = rvnhost::workingDatabase();
    AcGeMatrix3d ucsToWorld;
    if (!acdbUcsMatrix(ucsToWorld, database)) return PrintMessage(rvntext::kNoUcsMatrix);
    AcDbObjectId nodeBlock;
    if (!findNodeBlock(database, nodeBlock)) return;
    const std::wstring prompt(rvntext::kSelectNodePrompt);
    AcDbObjectId networkLayer;
    bool anyTank = false;
    while (true) {
        ads_name entity{};
        ads_point at{};
        const int result = acedEntSel(prompt.c_str(), entity, at);
        if (result == RTCAN) return;
        if (result != RTNORM) {
            if (anyTank) return;
            PrintMessage(rvntext::kSelectionInvalid);
            continue;
        }
        PickedNode node;
        const Pick pick = readNode(entity, nodeBlock, node);
        if (pick == Pick::end) return;
        if (pick == Pick::again) continue;
        if (!networkLayer.isNull() && node.layerId != networkLayer) {
            PrintMessage(rvntext::kNodeOfAnotherNetwork);
            continue;
        }
        networkLayer = node.layerId;
        if (!InsertTankBlock(node.position, ucsToWorld, node.name, database, node.layerName)) return;
        anyTank = true;
    }
}
