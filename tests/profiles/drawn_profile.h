// What drawn profiles leave among a drawing's entities: the title blocks with their rows, the section
// marks (anonymous blocks naming their node in extended data), the 2D polylines by colour and a
// pipe's vertex data.
#pragma once

#include "dbents.h"
#include "dbsymtb.h"
#include "db_entity_iterator.h"
#include "editor_open_object.h"
#include "resbuf_kind.h"
#include "schema/block_attributes.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace profiletest {

struct DrawnTitle {
    std::wstring block;
    AcGePoint3d at;
    std::vector<TzRvnTaggedText> rows;
    std::wstring row(const wchar_t* tag) const { return FindAttributeText(rows, tag).value_or(L"<none>"); }
};

struct DrawnProfile {
    std::vector<DrawnTitle> titles;
    std::vector<std::pair<std::wstring, AcGePoint3d>> sections;
    std::map<int, std::vector<std::vector<AcGePoint3d>>> lines;  // each polyline's vertices, by colour
};

// What a pipe vertex carries: its WCS position and, when it has pipe data, the eleven values.
struct PipeVertex {
    AcGePoint3d position;
    std::optional<std::vector<double>> values;
};

// The vertices of a pipe with their data; vertex data that is not the pipe list fails.
inline std::vector<PipeVertex> ReadPipeVertices(AcDbObjectId pipeId) {
    std::vector<PipeVertex> seen;
    rvnhost::OpenedObject<AcDb2dPolyline> pipe(pipeId, AcDb::kForRead);
    EXPECT_TRUE(pipe);
    if (!pipe) return seen;
    const std::unique_ptr<AcDbObjectIterator> walk(pipe->vertexIterator());
    for (walk->start(); !walk->done(); walk->step()) {
        rvnhost::OpenedObject<AcDb2dVertex> vertex(walk->objectId(), AcDb::kForRead);
        seen.push_back({pipe->vertexPosition(*vertex.get()), std::nullopt});
        const rvnhost::ResbufList data(vertex->xData(L"TZ-TOZARI-TZ-RV"));
        const resbuf* item = data.get();
        if (item == nullptr) continue;
        EXPECT_TRUE(item->rbnext != nullptr && item->rbnext->resval.rint == 230 && item->rbnext->rbnext != nullptr &&
                    std::wstring(item->rbnext->rbnext->resval.rstring) == L"TZ-RVN-TUBAZIONE");
        seen.back().values.emplace();
        for (item = item->rbnext->rbnext->rbnext; item != nullptr; item = item->rbnext) {
            EXPECT_EQ(item->restype, 1040);
            seen.back().values->push_back(item->resval.rreal);
        }
    }
    return seen;
}

inline std::wstring BlockNameOf(const AcDbBlockReference& reference) {
    rvnhost::OpenedObject<AcDbBlockTableRecord> block(reference.blockTableRecord(), AcDb::kForRead);
    std::wstring name;
    if (block) block->getName(name);
    return name;
}

inline DrawnProfile ReadDrawnProfile(const std::vector<AcDbObjectId>& entities) {
    DrawnProfile drawn;
    for (AcDbObjectId id : entities) {
        if (id.isErased()) continue;
        if (rvnhost::OpenedObject<AcDbBlockReference> reference(id, AcDb::kForRead); reference) {
            DrawnTitle title{BlockNameOf(*reference.get()), reference->position(), {}};
            const rvnhost::ResbufList data(reference->xData(L"TZ-TOZARI-TZ-RR"));
            const resbuf* node = data.get() && data.get()->rbnext ? data.get()->rbnext->rbnext : nullptr;
            if (title.block.rfind(L"*U", 0) == 0 && node) drawn.sections.emplace_back(node->resval.rstring, title.at);
            if (title.block.rfind(L"TZ-RR", 0) != 0) continue;
            EXPECT_TRUE(ReadAttributeTexts(*reference.get(), title.rows));
            drawn.titles.push_back(title);
        }
        if (rvnhost::OpenedObject<AcDb2dPolyline> line(id, AcDb::kForRead); line) {
            std::vector<AcGePoint3d>& points = drawn.lines[line->colorIndex()].emplace_back();
            for (std::unique_ptr<AcDbObjectIterator> each(line->vertexIterator()); !each->done(); each->step()) {
                points.push_back(rvnhost::OpenedObject<AcDb2dVertex>(each->objectId(), AcDb::kForRead)->position());
            }
        }
    }
    return drawn;
}

}  // namespace profiletest
