#include "schema/current_settings.h"

#include "netobj/network_dictionary.h"
#include "network/settings_file.h"
#include "schema/program_folder.h"
#include "schema/schema_layers.h"

namespace {

bool loadSettingsFile(TzRvnSettings& settings) {
    std::wstring folder;
    if (!ReadProgramFolder(folder)) return false;
    return LoadSettingsFile(folder + kSettingsFileName, settings) == 1;
}

}  // namespace

bool LoadCurrentSettings(AcDbDatabase* database, std::wstring_view currentLayer, TzRvnSettings& settings) {
    const std::wstring name = NetworkNameOfLayer(currentLayer);
    if (name.empty()) return loadSettingsFile(settings);
    TzRvnOpenObject<TzRvnNetwork> network;
    const Acad::ErrorStatus status = OpenNetwork(database, name, AcDb::kForRead, network);
    if (status == Acad::eKeyNotFound) return loadSettingsFile(settings);
    if (status != Acad::eOk) return false;
    settings = network->getSettings();
    return true;
}
