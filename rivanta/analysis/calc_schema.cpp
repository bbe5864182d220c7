#include "analysis/calc_schema.h"

#include "analysis/calc_job_texts.h"
#include "analysis/text_format.h"
#include "host/open_object.h"
#include "network/network_object.h"
#include "schema/model_space.h"
#include "schema/schema_layers.h"

std::wstring RebuildNetworkFromSchema(AcDbDatabase* database, AcDbObjectId networkId, const std::wstring& name) {
    TzRvnOpenObject<TzRvnNetwork> network(networkId, AcDb::kForWrite);
    if (!network.isOpen()) return FormatTranslated(rvntext::kCalcNetworkNotOpened, {std::wstring_view(name)});
    if (!network->hasSchema()) return {};
    AcDbObjectId modelSpace;
    if (ModelSpaceId(database, modelSpace) != Acad::eOk ||
        !network->ReadNetworkFromSchema(database, modelSpace, NetworkLayerName(name))) {
        return FormatTranslated(rvntext::kCalcSchemaNotRead, {std::wstring_view(name)});
    }
    return {};
}

std::wstring WriteNetworkSchema(AcDbObjectId networkId, const std::wstring& name) {
    TzRvnOpenObject<TzRvnNetwork> network(networkId, AcDb::kForRead);
    if (network.isOpen() && network->WriteSchemaFromNetwork()) return {};
    return FormatTranslated(rvntext::kCalcSchemaNotWritten, {std::wstring_view(name)});
}
