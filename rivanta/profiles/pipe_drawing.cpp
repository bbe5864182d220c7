#include "profiles/pipe_drawing.h"

#include "acutads.h"
#include "afx_message_box.h"
#include "dbline.h"
#include "dbpl2d.h"
#include "frame/command_line.h"
#include "frame/translation.h"
#include "gept3dar.h"
#include "host/open_object.h"
#include "host/resbuf_list.h"
#include "profiles/pipe_on_profile_texts.h"
#include "schema/branch_data.h"
#include "schema/model_space.h"
#include "schema/schema_layers.h"
#include "schema/schema_texts.h"

#include <memory>

namespace {

void showError(std::wstring_view text) { AfxMessageBox(TranslateText(text).c_str(), MB_OK | MB_ICONERROR); }

// Appends a new 2D polyline to model space; on success it stays open for write in opened.
bool appendPolyline(AcDbDatabase* database, std::unique_ptr<AcDb2dPolyline> polyline,
                    TzRvnOpenObject<AcDb2dPolyline>& opened, AcDbObjectId& id) {
    if (AppendToModelSpace(database, polyline.get(), id) != Acad::eOk) return false;
    opened.slot() = polyline.release();
    opened.take(Acad::eOk);
    return true;
}

void erase(AcDbObjectId id) {
    TzRvnOpenObject<AcDbEntity> entity(id, AcDb::kForWrite);
    if (entity.isOpen()) entity->erase();
}

// The data of a pipe vertex: application, kind, name and the eleven values.
resbuf* vertexData(const TzRvnPipeValues& v) {
    using namespace rvnprofile;
    return acutBuildList(AcDb::kDxfRegAppName, kPipeVertexApplication, AcDb::kDxfXdInteger16, kPipeVertexKind,
                         AcDb::kDxfXdAsciiString, kPipeVertexName, AcDb::kDxfXdReal, v[0], AcDb::kDxfXdReal, v[1],
                         AcDb::kDxfXdReal, v[2], AcDb::kDxfXdReal, v[3], AcDb::kDxfXdReal, v[4], AcDb::kDxfXdReal,
                         v[5], AcDb::kDxfXdReal, v[6], AcDb::kDxfXdReal, v[7], AcDb::kDxfXdReal, v[8],
                         AcDb::kDxfXdReal, v[9], AcDb::kDxfXdReal, v[10], 0);
}

bool appendPipeVertex(AcDb2dPolyline& pipe, const TzRvnPipeVertex& planned,
                      const std::vector<TzRvnPipeSegment>& segments) {
    auto* made = new AcDb2dVertex(planned.position);
    AcDbObjectId id;
    if (pipe.appendVertex(id, made) != Acad::eOk) {
        delete made;
        return false;
    }
    TzRvnOpenObject<AcDb2dVertex> vertex;
    vertex.slot() = made;
    vertex.take(Acad::eOk);
    if (planned.data == TzRvnPipeVertexData::none) return true;
    const TzRvnPipeValues values =
        planned.data == TzRvnPipeVertexData::closing ? TzRvnPipeValues{} : PipeValuesOf(segments[planned.segment]);
    const TzRvnResbufList data(vertexData(values));
    return data.get() != nullptr && vertex->setXData(data.get()) == Acad::eOk;
}

// The layer "TUBAZIONI", made when missing; false (said in a message box) when it cannot be.
bool ensurePipeLayer(AcDbDatabase* database) {
    AcDbObjectId layer;
    const Acad::ErrorStatus found = FindLayer(database, rvnprofile::kPipeLayer, layer);
    if (found == Acad::eOk) return true;
    if (found != Acad::eKeyNotFound) return showError(rvntext::kLayerTableNotOpened), false;
    if (GetOrCreateLayer(database, rvnprofile::kPipeLayer, layer) != Acad::eOk) return showError(rvntext::kLayerNotMade), false;
    return true;
}

}  // namespace

TzRvnWorkingCopy::TzRvnWorkingCopy(AcDbDatabase* database, const std::vector<AcGePoint3d>& vertices) {
    AcGePoint3dArray points(vertices.begin(), vertices.end());
    const double elevation = vertices.empty() ? 0.0 : vertices.front().z;
    auto copy = std::make_unique<AcDb2dPolyline>(AcDb::k2dSimplePoly, points, elevation);
    copy->setDatabaseDefaults(database);
    TzRvnOpenObject<AcDb2dPolyline> opened;
    AcDbObjectId id;
    if (!appendPolyline(database, std::move(copy), opened, id)) {
        PrintMessage(rvntext::kPolylineNotInserted);
        return;
    }
    id_ = id;
}

TzRvnWorkingCopy::~TzRvnWorkingCopy() {
    if (made()) erase(id_);
}

bool FindGradePoints(AcDbObjectId workingCopy, std::vector<TzRvnPipeSegment>& segments) {
    TzRvnOpenObject<AcDb2dPolyline> copy(workingCopy, AcDb::kForRead);
    AcGePoint3d first;
    if (!copy.isOpen() || copy->getStartPoint(first) != Acad::eOk) return PrintMessage(rvntext::kPolylineNotOpened), false;
    const std::vector<double> abscissas = SegmentEndAbscissas(first.x, segments);
    for (std::size_t i = 0; i < segments.size(); ++i) {
        const AcDbLine vertical({abscissas[i], first.y, first.z}, {abscissas[i], first.y + 1.0, first.z});
        AcGePoint3dArray points;
        if (copy->intersectWith(&vertical, AcDb::kExtendBoth, points) != Acad::eOk || points.empty()) {
            PrintMessage(std::wstring(rvntext::kGradeLineMissesNode) + segments[i].endNode);
            return false;
        }
        segments[i].gradeX = points.front().x;
        segments[i].gradeY = points.front().y;
        segments[i].gradeZ = points.front().z;
    }
    return true;
}

bool DrawPipe(AcDbDatabase* database, const std::vector<TzRvnPipeVertex>& vertices,
              const std::vector<TzRvnPipeSegment>& segments) {
    if (RegisterApplication(database, rvnprofile::kPipeVertexApplication) != Acad::eOk) return false;
    if (!ensurePipeLayer(database)) return false;
    auto made = std::make_unique<AcDb2dPolyline>();
    made->setDatabaseDefaults(database);
    if (!vertices.empty()) made->setElevation(vertices.front().position.z);
    if (made->setLayer(rvnprofile::kPipeLayer) != Acad::eOk) return showError(rvntext::kLayerNotMade), false;
    TzRvnOpenObject<AcDb2dPolyline> pipe;
    AcDbObjectId id;
    if (!appendPolyline(database, std::move(made), pipe, id)) return PrintMessage(rvntext::kPolylineNotInserted), false;
    for (const TzRvnPipeVertex& vertex : vertices) {
        if (appendPipeVertex(*pipe, vertex, segments)) continue;
        pipe->erase();
        return showError(rvntext::kPipeVertexNotOpened), false;
    }
    return true;
}
