#include "analysis/calc_schema.h"

#include "host/open_object.h"
#include "network/network_object.h"
#include "schema/model_space.h"
#include "schema/schema_layers.h"

std::wstring RebuildNetworkFromSchema(AcDbDatabase* database, AcDbObjectId networkId, const std::wstring& name) {
    TzRvnOpenObject<TzRvnNetwork> network(networkId, AcDb::kForWrite);
    if (!network.isOpen()) return L"rivanta calc: the network \"" + name + L"\" cannot be opened";
    if (!network->hasSchema()) return {};
    AcDbObjectId modelSpace;
    if (ModelSpaceId(database, modelSpace) != Acad::eOk ||
        !network->ReadNetworkFromSchema(database, modelSpace, NetworkLayerName(name))) {
        return L"rivanta calc: the network \"" + name + L"\" cannot be read from its schema in the drawing";
    }
    return {};
}

std::wstring WriteNetworkSchema(AcDbObjectId networkId, const std::wstring& name) {
    TzRvnOpenObject<TzRvnNetwork> network(networkId, AcDb::kForRead);
    if (network.isOpen() && network->WriteSchemaFromNetwork()) return {};
    return L"rivanta calc: the schema of the network \"" + name + L"\" cannot be written";
}
