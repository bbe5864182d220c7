#include "dialogs/typed_network.h"

#include "dbapserv.h"
#include "netobj/network_dictionary.h"
#include "network/settings_file.h"

#include <memory>

TzRvnNewNetwork AddTypedNetwork(const std::wstring& programFolder, const std::wstring& name) {
    TzRvnNewNetwork made;
    TzRvnSettings settings;
    if (ReadCheckedSettingsFile(programFolder + kSettingsFileName, settings).status != TzRvnCheckedFileStatus::read) {
        made.status = TzRvnNewNetworkStatus::settingsNotRead;
        return made;
    }
    TzRvnNetworkData data(false);
    data.setSettings(settings);
    made.addStatus = AddNetwork(acdbHostApplicationServices()->workingDatabase(), name,
                                std::make_unique<TzRvnNetwork>(std::move(data)), made.id);
    made.status = made.addStatus == Acad::eOk ? TzRvnNewNetworkStatus::added : TzRvnNewNetworkStatus::notAdded;
    return made;
}
