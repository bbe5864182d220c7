// Closing the grid window: the grids saved into the chosen network, or into one made under the
// typed name, then the summary and the schema refreshed. Any refusal keeps the window open.
#include "dialogs/grid_container_dialog.h"

#include "analysis/jobs/calc_texts.h"
#include "dialogs/network_database_texts.h"
#include "dialogs/typed_network.h"
#include "drawing_view.h"
#include "frame/translation.h"
#include "host/open_object.h"
#include "schema/schema_writer.h"

namespace Text = TzRvnDatiReteText;

// The network the grids go into: the chosen one, else one made under the typed name. The window
// closes unsaved when there is neither a name nor a node row; it stays open, the reason said, when
// only one of them is there or the network cannot be made.
TzRvnContainerDlg::SaveTarget TzRvnContainerDlg::networkToSave(AcDbObjectId& id) {
    id = host_.chosenNetwork();
    if (!id.isNull()) return SaveTarget::save;
    const std::wstring name = host_.typedNetworkName();
    const bool hasNodes = nodeRowCount() > 0;
    if (name.empty() && !hasNodes) return SaveTarget::none;
    if (name.empty() || !hasNodes) {
        say(TranslateText(name.empty() ? Text::kNoName : Text::kNoNodes), MB_ICONWARNING);
        return SaveTarget::refused;
    }
    const TzRvnNewNetwork made = AddTypedNetwork(programFolder(), name);
    if (made.status == TzRvnNewNetworkStatus::settingsNotRead) {
        say(TranslateText(Text::kSettingsNotRead), MB_ICONERROR);
        return SaveTarget::refused;
    }
    if (made.status == TzRvnNewNetworkStatus::notAdded) {
        say(FormatTranslated(rvntext::kNetworkNotAdded, {std::wstring_view(name), int(made.addStatus)}), MB_ICONERROR);
        return SaveTarget::refused;
    }
    host_.networkCreated(made.id, name);
    id = made.id;
    return SaveTarget::save;
}

// True when the window may close: saved, or nothing to save.
bool TzRvnContainerDlg::saveOnClose() {
    AcDbObjectId id;
    const SaveTarget target = networkToSave(id);
    if (target != SaveTarget::save) return target == SaveTarget::none;
    TzRvnOpenObject<TzRvnNetwork> network(id, AcDb::kForWrite);
    if (!network.isOpen()) return false;
    const std::wstring failure = GridSaveFailure(saveInto(*network));
    if (!failure.empty()) {
        network.close();
        say(failure, MB_ICONWARNING);
        return false;
    }
    WriteSchemaFromNetwork(*network);
    host_.showSummary(*network);
    if (network->hasSchema()) acedRedraw(nullptr, 1);
    return true;
}
