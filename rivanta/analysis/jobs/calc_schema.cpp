#include "analysis/jobs/calc_schema.h"

#include "analysis/jobs/calc_job_texts.h"
#include "analysis/jobs/calc_program_folder.h"
#include "frame/translation.h"
#include "host/open_object.h"
#include "netobj/network_dictionary.h"
#include "netobj/network_object.h"
#include "proxy_reason.h"
#include "schema/model_space.h"
#include "schema/schema_reader.h"
#include "schema/schema_writer.h"
#include "schema/schema_layers.h"

namespace {

// Why the object under a network's name cannot be opened as a network: it is kept as a proxy,
// or it is an object of another class; empty when it is a network.
std::wstring notANetworkReason(AcDbObjectId id) {
    TzRvnOpenObject<AcDbObject> object(id, AcDb::kForRead);
    if (!object.isOpen()) return {};
    if (std::wstring reason = rvnhost::proxyReason(object.get()); !reason.empty()) return reason;
    if (TzRvnNetwork::cast(object.get()) != nullptr) return {};
    return FormatTranslated(rvntext::kCalcNotANetwork, {std::wstring_view(object->isA()->name())});
}

}  // namespace

std::wstring RebuildNetworkFromSchema(AcDbDatabase* database, AcDbObjectId networkId, const std::wstring& name) {
    TzRvnOpenObject<TzRvnNetwork> network(networkId, AcDb::kForWrite);
    if (!network.isOpen()) {
        std::wstring reason = notANetworkReason(networkId);
        if (reason.empty()) reason = FormatTranslated(rvntext::kCalcOpenStatus, {int(network.status())});
        return FormatTranslated(rvntext::kCalcNetworkNotOpened, {std::wstring_view(name), std::wstring_view(reason)});
    }
    if (!network->hasSchema()) return {};
    AcDbObjectId modelSpace;
    if (ModelSpaceId(database, modelSpace) != Acad::eOk ||
        !ReadNetworkFromSchema(*network, database, modelSpace, NetworkLayerName(name))) {
        return FormatTranslated(rvntext::kCalcSchemaNotRead, {std::wstring_view(name)});
    }
    return {};
}

std::wstring WriteNetworkSchema(AcDbObjectId networkId, const std::wstring& name) {
    TzRvnOpenObject<TzRvnNetwork> network(networkId, AcDb::kForRead);
    if (network.isOpen() && WriteSchemaFromNetwork(*network)) return {};
    return FormatTranslated(rvntext::kCalcSchemaNotWritten, {std::wstring_view(name)});
}

TzRvnNetworkLookup FindOrMakeNetwork(AcDbDatabase* database, const std::wstring& name, AcDbObjectId& id,
                                     std::wstring& message) {
    if (FindNetwork(database, name, id) == Acad::eOk) return TzRvnNetworkLookup::found;
    AcDbObjectId layerId;
    if (FindLayer(database, NetworkLayerName(name), layerId) != Acad::eOk) return TzRvnNetworkLookup::missing;
    std::wstring folder;
    TzRvnSettings settings;
    message = JobProgramFolder(folder);
    if (message.empty()) message = LoadJobSettings(folder, settings);
    if (!message.empty()) return TzRvnNetworkLookup::noSettings;
    if (CreateNetwork(database, name, true, id) != Acad::eOk) return TzRvnNetworkLookup::missing;
    TzRvnOpenObject<TzRvnNetwork> network(id, AcDb::kForWrite);
    if (!network.isOpen() || network->setSettings(settings) != Acad::eOk) return TzRvnNetworkLookup::missing;
    return TzRvnNetworkLookup::madeFromSchema;
}
