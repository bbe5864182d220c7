// "Calcolo": the calculation run of the network database dialog, on the selected network or on
// the grids' network saved first, with its topology check and calculation reports in the
// temporary directory.
#include "dialogs/network_database_dialog.h"

#include "analysis/jobs/calc_run.h"
#include "analysis/jobs/calc_summary.h"
#include "analysis/jobs/calc_texts.h"
#include "dialogs/network_database_texts.h"
#include "frame/translation.h"
#include "host/open_object.h"
#include "schema/schema_writer.h"

namespace Text = TzRvnDatiReteText;

namespace {

// The icon of the message that closes a run that did not calculate.
UINT failureIcon(TzRvnCalcStatus status) {
    return status == TzRvnCalcStatus::checkFailed || status == TzRvnCalcStatus::aborted ? MB_ICONWARNING
                                                                                          : MB_ICONERROR;
}

}  // namespace

// The network to calculate: the selected one when the grid window is not in use, else the grids'
// network (made under the typed name when none is selected). False, with the message shown, when
// there is none.
bool TzRvnDatiReteDlg::CalculationSource(AcDbObjectId& id, bool& fromGrids) {
    fromGrids = GridWindowOpen();
    if (!fromGrids) {
        if (selected_.isNull()) return Say(TranslateText(Text::kSelectOrCreate), MB_ICONWARNING), false;
        id = selected_;
        return true;
    }
    const std::wstring name = TypedName();
    const bool hasNodes = NodeRows() > 0;
    if (name.empty() || !hasNodes) {
        const wchar_t* missing = hasNodes ? Text::kNoName : name.empty() ? Text::kNoNetwork : Text::kNoNodes;
        return Say(TranslateText(missing), MB_ICONWARNING), false;
    }
    SetGridTitle(name);
    if (selected_.isNull() && !CreateTypedNetwork(name)) return false;
    id = selected_;
    return true;
}

void TzRvnDatiReteDlg::OnCalculate() {
    AcDbObjectId id;
    bool fromGrids = false;
    if (!CalculationSource(id, fromGrids)) return;
    TzRvnOpenObject<TzRvnNetwork> network(id, AcDb::kForWrite);
    if (!network.isOpen()) {
        if (!fromGrids) Say(TranslateText(rvntext::kNetworkNotOpened), MB_ICONERROR);
        return;
    }
    if (fromGrids) {
        if (!SaveGrids(*network)) {
            network.close();
            return Say(saveFailure_, MB_ICONWARNING);
        }
        WriteSchemaFromNetwork(*network);
        ShowCounts(network->numNodes(), network->numEdges(), network->numTanks());
    }
    std::wstring folder;
    if (!TemporaryFolder(folder)) {
        network.close();
        return Say(TranslateText(rvntext::kNoTempDirectory), MB_ICONERROR);
    }
    const TzRvnCalcFiles files = CalcFilesIn(folder);
    const TzRvnCalcRun run = RunNetworkCalculation(*network, files);
    if (run.status != TzRvnCalcStatus::calculated) {
        network.close();
        return Say(CalcRunMessage(run, files), failureIcon(run.status));
    }
    if (fromGrids) grids_->refreshFrom(*network);
    ShowHeads(HeadText(network->maxHead()), HeadText(network->minHead()));
    network.close();
    Say(CalcRunMessage(run, files), 0);
}
