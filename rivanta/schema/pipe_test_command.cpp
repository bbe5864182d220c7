#include "schema/pipe_test_command.h"

#include "acedads.h"
#include "acutads.h"
#include "db_entity_iterator.h"
#include "dbpl2d.h"
#include "frame/command_line.h"
#include "host/open_object.h"
#include "schema/branch_data.h"
#include "schema/schema_names.h"
#include "schema/schema_texts.h"
#include "sysvars.h"

#include <memory>

void TestPipePolyline() {
    AcDbDatabase* database = rvnhost::workingDatabase();
    if (RegisterApplication(database, rvnschema::kPipeVertexApplication) != Acad::eOk) return;
    const std::wstring prompt(rvntext::kSelectPipePrompt);
    ads_name entity{};
    ads_point at{};
    AcDbObjectId id;
    if (acedEntSel(prompt.c_str(), entity, at) != RTNORM || acdbGetObjectId(id, entity) != Acad::eOk) return;
    TzRvnOpenObject<AcDb2dPolyline> pipe(id, AcDb::kForRead);
    if (!pipe.isOpen()) return;
    const std::unique_ptr<AcDbObjectIterator> vertices(pipe->vertexIterator());
    for (vertices->start(); !vertices->done(); vertices->step()) {
        TzRvnOpenObject<AcDb2dVertex> vertex(vertices->objectId(), AcDb::kForRead);
        if (!vertex.isOpen()) return PrintMessage(rvntext::kVertexNotOpened);
        acutRelRb(vertex->xData(rvnschema::kPipeVertexApplication));
    }
}
