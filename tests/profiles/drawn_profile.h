// What drawn profiles leave among a drawing's entities: the title blocks with their rows, the section
// marks (anonymous blocks naming their node in extended data) and the 2D polylines by colour.
#pragma once

#include "dbents.h"
#include "dbsymtb.h"
#include "db_entity_iterator.h"
#include "editor_open_object.h"
#include "resbuf_kind.h"
#include "schema/block_attributes.h"

#include <gtest/gtest.h>

#include <map>
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
