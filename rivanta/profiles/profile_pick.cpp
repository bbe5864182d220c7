#include "profiles/profile_pick.h"

#include "acedads.h"
#include "db3dpl.h"
#include "dbblkref.h"
#include "frame/command_line.h"
#include "dbapserv.h"
#include "host/entity_ids.h"
#include "profiles/profile_figures.h"
#include "profiles/profile_run_network.h"
#include "profiles/profile_texts.h"
#include "schema/model_space.h"
#include "schema/open_attribute.h"
#include "ucs.h"

#include <algorithm>
#include <memory>

namespace Text = TzRvnProfileText;

namespace {

// The reference's insertion point when the point lies on it or on one of its attributes' insertion
// points; nothing otherwise, or when an attribute cannot be read.
std::optional<AcGePoint3d> InsertionAt(const AcDbBlockReference& reference, const AcGePoint3d& point) {
    AcGePoint3d compared = point;
    for (AcDbObjectId id : AttributeIds(reference)) {
        auto attribute = OpenAttribute(reference, id, AcDb::kForRead);
        if (attribute.isOpen() && attribute->position().isEqualTo(point)) compared = reference.position();
    }
    if (reference.position().isEqualTo(compared)) return reference.position();
    return std::nullopt;
}

// A node found at the point is accepted as first node, or when a branch joins it to the last one.
bool Accept(const TzRvnNetworkData& network, const std::wstring& name, TzRvnProfilePicking& picking) {
    if (picking.firstNodeTaken) {
        const auto joins = [&](const TzRvnEdge& edge) { return BranchTouches(edge, picking.lastNode) && BranchTouches(edge, name); };
        if (std::none_of(network.edges().begin(), network.edges().end(), joins)) return false;
    }
    picking.firstNodeTaken = true;
    picking.lastNode = name;
    picking.chain.push_back(name);
    return true;
}

// Prompts for a point (any text answers RTKWORD); the result of the editor.
int AskPoint(const std::wstring_view prompt, const AcGePoint3d* base, AcGePoint3d& point) {
    acedInitGet(RSG_OTHER, nullptr);
    ads_point basePoint = {};
    if (base != nullptr) basePoint[0] = base->x, basePoint[1] = base->y, basePoint[2] = base->z;
    ads_point picked = {};
    const std::wstring shown(prompt);
    const int result = acedGetPoint(base != nullptr ? basePoint : nullptr, shown.c_str(), picked);
    point = AcGePoint3d(picked[0], picked[1], picked[2]);
    return result;
}

// The temporary polyline that shows the chain: made with its first vertex, grown, erased.
bool MakeTrace(const AcGePoint3d& first, AcDbObjectId& trace) {
    auto polyline = std::make_unique<AcDb3dPolyline>();
    AcDbObjectId made;
    if (AppendToModelSpace(acdbCurDwg(), polyline.get(), made) != Acad::eOk) {
        PrintMessage(Text::kPolylineNotInserted);
        return false;
    }
    TzRvnOpenObject<AcDb3dPolyline> open;
    open.slot() = polyline.release();
    open.take(Acad::eOk);
    auto vertex = std::make_unique<AcDb3dPolylineVertex>(first);
    if (open->appendVertex(vertex.get()) != Acad::eOk) {
        open->erase();
        PrintMessage(Text::kFirstVertexNotAppended);
        return false;
    }
    vertex.release()->close();
    trace = made;
    return true;
}

bool GrowTrace(AcDbObjectId trace, const AcGePoint3d& next) {
    TzRvnOpenObject<AcDb3dPolyline> polyline(trace, AcDb::kForWrite);
    if (!polyline.isOpen()) return PrintMessage(Text::kPolylineNotOpened), false;
    auto vertex = std::make_unique<AcDb3dPolylineVertex>(next);
    if (polyline->appendVertex(vertex.get()) != Acad::eOk) {
        polyline->erase();
        return PrintMessage(Text::kVertexNotAppended), false;
    }
    vertex.release()->close();
    return true;
}

bool EraseTrace(AcDbObjectId trace) {
    TzRvnOpenObject<AcDb3dPolyline> polyline(trace, AcDb::kForWrite);
    if (!polyline.isOpen() || polyline->erase() != Acad::eOk) return PrintMessage(Text::kPolylineNotOpened), false;
    return true;
}

enum class NextPick { accepted, again, stop, failed };

NextPick PickNextNode(AcGePoint3d& base, AcDbObjectId trace, TzRvnProfilePicking& picking) {
    AcGePoint3d point;
    switch (AskPoint(Text::kNextNodePrompt, &base, point)) {
        case RTNORM: break;
        case RTKWORD: return PrintMessage(Text::kPointNotValid), NextPick::again;
        case RTNONE: return PrintMessage(Text::kSavingProfile), NextPick::stop;
        default: return NextPick::stop;
    }
    const std::optional<AcGePoint3d> node = RecogniseProfileNode(point, picking);
    if (!node) return PrintMessage(Text::kPickAgain), NextPick::again;
    if (!GrowTrace(trace, *node)) return NextPick::failed;
    base = point;
    return NextPick::accepted;
}

}  // namespace

std::optional<AcGePoint3d> RecogniseProfileNode(const AcGePoint3d& ucsPoint, TzRvnProfilePicking& picking) {
    TzRvnOpenObject<TzRvnNetwork> network;
    if (!OpenProfileNetwork(AcDb::kForRead, network)) return std::nullopt;
    AcGeMatrix3d ucsToWorld;
    if (!acdbUcsMatrix(ucsToWorld, acdbCurDwg())) return PrintMessage(Text::kNoUcsMatrix), std::nullopt;
    const AcGePoint3d point = AcGePoint3d(ucsPoint).transformBy(ucsToWorld);
    const TzRvnNetworkData& data = network->data();
    for (const TzRvnNode& node : data.nodes()) {
        TzRvnOpenObject<AcDbBlockReference> reference(ObjectIdOf(node.entityId), AcDb::kForRead);
        if (!reference.isOpen()) return PrintMessage(Text::kEntityNotReadable), std::nullopt;
        const std::optional<AcGePoint3d> at = InsertionAt(*reference, point);
        if (at && Accept(data, node.name.str(), picking)) return at;
    }
    return std::nullopt;
}

bool PickProfileChain() {
    TzRvnProfilePicking& picking = ProfilePicking();
    AcGePoint3d base;
    const int first = AskPoint(Text::kFirstNodePrompt, nullptr, base);
    if (first == RTKWORD || first == RTCAN || first == RTNONE) return PrintMessage(Text::kPointNotValid), false;
    if (first != RTNORM) return false;
    picking.chain.clear();
    const std::optional<AcGePoint3d> node = RecogniseProfileNode(base, picking);
    if (!node) return PrintMessage(Text::kPickAgain), false;
    AcDbObjectId trace;
    if (!MakeTrace(*node, trace)) return false;
    for (;;) {
        const NextPick next = PickNextNode(base, trace, picking);
        if (next == NextPick::failed) return false;
        if (next == NextPick::stop) break;
    }
    if (!EraseTrace(trace)) return false;
    picking.saved = true;
    ProfileList().push_back(picking.chain);
    return true;
}
