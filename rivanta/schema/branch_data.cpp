#include "schema/branch_data.h"

#include "dbsymtb.h"
#include "host/open_object.h"
#include "host/resbuf_list.h"
#include "schema/schema_names.h"

#include <memory>

Acad::ErrorStatus RegisterSchemaApplication(AcDbDatabase* database) {
    return RegisterApplication(database, rvnschema::kSchemaApplication);
}

Acad::ErrorStatus RegisterApplication(AcDbDatabase* database, const wchar_t* name) {
    if (database == nullptr) return Acad::eNoDatabase;
    TzRvnOpenObject<AcDbRegAppTable> table;
    Acad::ErrorStatus status = table.take(database->getSymbolTable(table.slot(), AcDb::kForRead));
    if (status != Acad::eOk) return status;
    if (table->has(name)) return Acad::eOk;
    status = table->upgradeOpen();
    if (status != Acad::eOk) return status;
    auto application = std::make_unique<AcDbRegAppTableRecord>();
    status = application->setName(name);
    if (status == Acad::eOk) status = table->add(application.get());
    if (status != Acad::eOk) return status;
    return application.release()->close();
}

bool HasBranchData(const AcDbObject& object) {
    return TzRvnResbufList(object.xData(rvnschema::kSchemaApplication)).get() != nullptr;
}

bool ReadBranchData(const AcDbObject& object, TzRvnBranchData& data) {
    const TzRvnResbufList list(object.xData(rvnschema::kSchemaApplication));
    if (list.get() == nullptr) return false;
    data = TzRvnBranchData();
    int points = 0;
    for (const resbuf* item = list.get()->rbnext; item != nullptr; item = item->rbnext) {
        if (item->restype == AcDb::kDxfXdXCoord && points == 0) {
            data.length = item->resval.rpoint[0];
            data.diameter = item->resval.rpoint[1];
            ++points;
        } else if (item->restype == AcDb::kDxfXdXCoord && points == 1) {
            data.roughness = item->resval.rpoint[0];
            data.csi = item->resval.rpoint[1];
            ++points;
        } else if (item->restype == AcDb::kDxfXdAsciiString && item->resval.rstring != nullptr) {
            data.note = item->resval.rstring;
        }
    }
    return true;
}

Acad::ErrorStatus WriteBranchData(AcDbObject& object, const TzRvnBranchData& data) {
    const ads_point sizes = {data.length, data.diameter, 0.0};
    const ads_point losses = {data.roughness, data.csi, 0.0};
    TzRvnResbufList list(acutBuildList(AcDb::kDxfRegAppName, rvnschema::kSchemaApplication, AcDb::kDxfXdXCoord,
                                       sizes, AcDb::kDxfXdXCoord, losses, 0));
    if (list.get() == nullptr) return Acad::eOutOfMemory;
    if (!data.note.empty()) {
        resbuf* last = list.get()->rbnext->rbnext;
        last->rbnext = acutBuildList(AcDb::kDxfXdAsciiString, data.note.c_str(), 0);
        if (last->rbnext == nullptr) return Acad::eOutOfMemory;
    }
    return object.setXData(list.get());
}
