// "Importa da Portavia": a network file of Portavia chosen in the file dialog becomes a new network
// of the drawing under the file's title, and the selected one. A file that cannot be read whole,
// or an import the user abandons, leaves the drawing as it was.
#include "dialogs/network_database_dialog.h"

#include "afx_file_dialog.h"
#include "analysis/jobs/calc_import.h"
#include "dbapserv.h"
#include "dialogs/network_database_texts.h"
#include "host/open_object.h"

namespace Text = TzRvnDatiReteText;

void TzRvnDatiReteDlg::OnImport() {
    CFileDialog chooser(TRUE, Text::kPortaviaExtension, Text::kPortaviaPattern, OFN_HIDEREADONLY | OFN_FILEMUSTEXIST,
                        Text::kPortaviaFilter, this);
    if (chooser.DoModal() != IDOK) return;
    const std::wstring path = chooser.GetPathName();
    const std::wstring title = chooser.GetFileTitle();
    TzRvnNetworkData data;
    const auto ask = [this](const std::wstring& question) { return Ask(question); };
    const TzRvnImportResult read = ImportPortaviaNetwork(path, programFolder_, ask, data);
    // An import the user abandoned needs no message.
    if (read.status == TzRvnImportStatus::abandoned) return;
    if (read.status != TzRvnImportStatus::imported) return Say(read.message, MB_ICONERROR);
    const int nodes = data.numNodes();
    const int edges = data.numEdges();
    const int tanks = data.numTanks();
    AcDbObjectId id;
    const std::wstring message =
        AddImportedNetwork(acdbHostApplicationServices()->workingDatabase(), title, std::move(data), path, id);
    if (!message.empty()) return Say(message, MB_ICONERROR);
    selected_ = id;
    typed_.clear();
    if (GridWindowOpen()) {
        SetGridTitle(title);
        TzRvnOpenObject<TzRvnNetwork> network(id, AcDb::kForRead);
        if (network.isOpen()) grids_->refreshFrom(*network);
    }
    SelectName(title);
    ShowCounts(nodes, edges, tanks);
    ShowHeads(L"", L"");
}
