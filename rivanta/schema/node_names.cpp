#include "schema/node_names.h"

#include "frame/translation.h"
#include "frame/doc_state.h"
#include "frame/command_line.h"
#include "host/open_object.h"
#include "schema/block_attributes.h"
#include "schema/schema_texts.h"

#include <string>

bool RefreshNodeNames(TzRvnDocState& state, const TzRvnSchemaLists& lists, AcDbObjectId layerId) {
    const std::wstring layer = state.currentLayer();
    state.clearNodeNames();
    state.setCurrentLayer(layer);
    for (std::size_t i = 0; i < lists.nodes.size(); ++i) {
        TzRvnOpenObject<AcDbBlockReference> reference(lists.nodes[i].id, AcDb::kForRead);
        std::vector<TzRvnTaggedText> texts;
        if (!reference.isOpen() || !ReadAttributeTexts(*reference, texts)) {
            PrintMessage(FormatTranslated(rvntext::kEntityNotOpened, {static_cast<int>(i + 1)}));
            return false;
        }
        if (reference->layerId() != layerId) continue;
        if (const auto name = FindAttributeText(texts, rvnschema::kNodeNameTag)) state.addNodeName(*name);
    }
    return true;
}
