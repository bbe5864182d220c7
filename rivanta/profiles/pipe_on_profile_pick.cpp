#include "profiles/pipe_on_profile_pick.h"

#include "acedads.h"
#include "afx_message_box.h"
#include "db_entity_iterator.h"
#include "dbblkref.h"
#include "dbpl.h"
#include "dbpl2d.h"
#include "dbsymtb.h"
#include "frame/command_line.h"
#include "frame/translation.h"
#include "host/open_object.h"
#include "profiles/pipe_on_profile_texts.h"
#include "schema/block_attributes.h"
#include "schema/schema_texts.h"

#include <memory>
#include <optional>

namespace {

enum class Pick { accepted, again, end };

// Asks once; on a pick, id is the entity chosen. again after a missed pick (said), end on cancel
// or when the pick names no entity (said).
Pick askForEntity(std::wstring_view prompt, AcDbObjectId& id) {
    const std::wstring shown = TranslateText(prompt);
    ads_name entity{};
    ads_point at{};
    const int result = acedEntSel(shown.c_str(), entity, at);
    if (result == RTCAN) return Pick::end;
    if (result != RTNORM) return PrintMessage(rvntext::kSelectionInvalid), Pick::again;
    if (acdbGetObjectId(id, entity) != Acad::eOk) return PrintMessage(rvntext::kNoEntityId), Pick::end;
    return Pick::accepted;
}

// The reference's block name; nothing when the block cannot be read.
std::optional<std::wstring> blockNameOf(const AcDbBlockReference& reference) {
    TzRvnOpenObject<AcDbBlockTableRecord> block(reference.blockTableRecord(), AcDb::kForRead);
    std::wstring name;
    if (!block.isOpen() || block->getName(name) != Acad::eOk) return std::nullopt;
    return name;
}

Pick readTitleBlock(AcDbObjectId id, TzRvnProfileTitle& title) {
    TzRvnOpenObject<AcDbEntity> entity(id, AcDb::kForRead);
    if (!entity.isOpen()) return PrintMessage(rvntext::kEntityNotReadable), Pick::end;
    if (entity->isA() != AcDbBlockReference::desc()) return Pick::again;
    const auto& reference = *AcDbBlockReference::cast(entity.get());
    const std::optional<std::wstring> name = blockNameOf(reference);
    if (!name) return Pick::again;
    if (!name->starts_with(rvnprofile::kTitleBlockPrefix)) return PrintMessage(rvntext::kNotATitleBlock), Pick::end;
    std::vector<TzRvnTaggedText> texts;
    if (!ReadAttributeTexts(reference, texts)) return PrintMessage(rvntext::kEntityNotReadable), Pick::end;
    title.networkName = FindAttributeText(texts, rvnprofile::kNetworkTag).value_or(L"");
    title.profileKey = FindAttributeText(texts, rvnprofile::kProfileKeyTag).value_or(L"");
    return Pick::accepted;
}

Pick refuseLightweight(AcDbObjectId id) {
    TzRvnOpenObject<AcDbPolyline> polyline(id, AcDb::kForRead);
    if (!polyline.isOpen()) return PrintMessage(rvntext::kLightweightNotOpened), Pick::end;
    PrintMessage(polyline->isClosed() ? rvntext::kPolylineMustBeOpen : rvntext::kLightweightRefused);
    return Pick::again;
}

// The WCS positions of the polyline's vertices; false (said in a message box) when a vertex
// cannot be opened.
bool readVertices(const AcDb2dPolyline& polyline, std::vector<AcGePoint3d>& vertices) {
    const std::unique_ptr<AcDbObjectIterator> walk(polyline.vertexIterator());
    for (walk->start(); !walk->done(); walk->step()) {
        TzRvnOpenObject<AcDb2dVertex> vertex;
        if (vertex.take(polyline.openVertex(vertex.slot(), walk->objectId(), AcDb::kForRead)) != Acad::eOk) {
            AfxMessageBox(TranslateText(rvntext::kPipeVertexNotOpened).c_str(), MB_OK | MB_ICONERROR);
            return false;
        }
        vertices.push_back(polyline.vertexPosition(*vertex));
    }
    return true;
}

Pick readGradeLine(AcDbObjectId id, std::vector<AcGePoint3d>& vertices) {
    const AcRxClass* kind = nullptr;
    {
        TzRvnOpenObject<AcDbEntity> entity(id, AcDb::kForRead);
        if (!entity.isOpen()) return PrintMessage(rvntext::kEntityNotReadable), Pick::end;
        kind = entity->isA();
    }
    if (kind == AcDbPolyline::desc()) return refuseLightweight(id);
    if (kind != AcDb2dPolyline::desc()) return PrintMessage(rvntext::k2dPolylineWanted), Pick::again;
    TzRvnOpenObject<AcDb2dPolyline> polyline(id, AcDb::kForRead);
    if (!polyline.isOpen()) return PrintMessage(rvntext::kPolylineNotOpened), Pick::end;
    if (polyline->isClosed()) return PrintMessage(rvntext::kPolylineMustBeOpen), Pick::again;
    if (polyline->polyType() != AcDb::k2dSimplePoly) return PrintMessage(rvntext::kPolylineMustBeSimple), Pick::again;
    return readVertices(*polyline, vertices) ? Pick::accepted : Pick::end;
}

// Asks until read accepts a pick or either ends.
template <class Read>
bool pickUntilAccepted(std::wstring_view prompt, Read read) {
    for (;;) {
        AcDbObjectId id;
        Pick pick = askForEntity(prompt, id);
        if (pick == Pick::accepted) pick = read(id);
        if (pick != Pick::again) return pick == Pick::accepted;
    }
}

}  // namespace

bool PickTitleBlock(TzRvnProfileTitle& title) {
    return pickUntilAccepted(rvntext::kSelectTitleBlockPrompt, [&](AcDbObjectId id) { return readTitleBlock(id, title); });
}

bool PickGradeLine(std::vector<AcGePoint3d>& vertices) {
    return pickUntilAccepted(rvntext::kSelectGradeLinePrompt, [&](AcDbObjectId id) {
        vertices.clear();
        return readGradeLine(id, vertices);
    });
}
