#include "profiles/profile_network.h"

#include "afx_message_box.h"
#include "dbdict.h"
#include "frame/command_line.h"
#include "host/open_object.h"
#include "netobj/network_dictionary.h"
#include "profiles/pipe_on_profile_texts.h"
#include "schema/model_space.h"
#include "schema/schema_layers.h"
#include "schema/schema_reader.h"
#include "schema/schema_texts.h"

namespace {

bool hasNetworkDictionary(AcDbDatabase* database) {
    TzRvnOpenObject<AcDbDictionary> namedObjects;
    if (namedObjects.take(database->getNamedObjectsDictionary(namedObjects.slot(), AcDb::kForRead)) != Acad::eOk) {
        return false;
    }
    return namedObjects->has(kNetworkDictionaryKey);
}

bool updateFromSchema(AcDbDatabase* database, TzRvnNetwork& network, std::wstring_view networkName) {
    AcDbObjectId modelSpace;
    return ModelSpaceId(database, modelSpace) == Acad::eOk &&
           ReadNetworkFromSchema(network, database, modelSpace, NetworkLayerName(networkName));
}

}  // namespace

bool ReadProfileSegments(AcDbDatabase* database, std::wstring_view networkName, std::wstring_view profileKey,
                         std::vector<TzRvnPipeSegment>& segments) {
    if (!hasNetworkDictionary(database)) return PrintMessage(rvntext::kNoApplicationDictionary), false;
    TzRvnOpenObject<TzRvnNetwork> network;
    if (OpenNetwork(database, networkName, AcDb::kForWrite, network) != Acad::eOk) return false;
    if (!network->hasSchema()) AfxMessageBox(rvntext::kProfileLengthsWarning, MB_OK | MB_ICONWARNING);
    if (!updateFromSchema(database, *network, networkName)) return PrintMessage(rvntext::kNetworkNotUpdated), false;
    std::vector<TzRvnNode> nodes;
    for (int i = 0; i < network->numNodes(); ++i) nodes.push_back(network->getNode(i));
    std::vector<TzRvnEdge> edges;
    for (int i = 0; i < network->numEdges(); ++i) edges.push_back(network->getEdge(i));
    segments = MakePipeSegments(SplitProfileKey(profileKey), nodes, edges);
    return true;
}
