#include "profiles/profile_run_network.h"

#include "frame/command_line.h"
#include "dbapserv.h"
#include "netobj/network_dictionary.h"
#include "profiles/profile_list.h"
#include "profiles/profile_texts.h"
#include "schema/model_space.h"
#include "schema/schema_layers.h"
#include "schema/schema_reader.h"

namespace Text = TzRvnProfileText;

bool OpenProfileNetwork(AcDb::OpenMode mode, TzRvnOpenObject<TzRvnNetwork>& network) {
    AcDbDatabase* database = acdbCurDwg();
    if (!HasNetworkDictionary(database)) {
        PrintMessage(Text::kNoDictionary);
        return false;
    }
    return OpenNetwork(database, ProfileNetworkName(), mode, network) == Acad::eOk;
}

bool OpenUpdatedProfileNetwork(TzRvnOpenObject<TzRvnNetwork>& network) {
    if (!OpenProfileNetwork(AcDb::kForWrite, network)) return false;
    AcDbDatabase* database = acdbCurDwg();
    AcDbObjectId modelSpace;
    if (ModelSpaceId(database, modelSpace) != Acad::eOk ||
        !ReadNetworkFromSchema(*network, database, modelSpace, NetworkLayerName(ProfileNetworkName()))) {
        network.close();
        PrintMessage(Text::kNetworkNotUpdated);
        return false;
    }
    return true;
}

TzRvnNetworkData ProfileNetworkData() {
    TzRvnOpenObject<TzRvnNetwork> network;
    if (OpenNetwork(acdbCurDwg(), ProfileNetworkName(), AcDb::kForRead, network) != Acad::eOk) return TzRvnNetworkData();
    return network->data();
}
