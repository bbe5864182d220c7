// The roughness dialog "Scabrezza" (template 9066): the materials of the material list with their
// roughness, shown for reference while branches are typed in the branch grid, in a grid that takes
// no edits. The roughness is shown in the unit of network's settings when there is a network, else
// of the settings file of programFolder. OK and Annulla close it.
#pragma once

#include "afx_dialog.h"
#include "dbid.h"

#include <string>

class TzRvnScabrezzaDlg : public CDialog {
public:
    TzRvnScabrezzaDlg(CWnd* parent, std::wstring programFolder, AcDbObjectId network = AcDbObjectId::kNull);

protected:
    BOOL OnInitDialog() override;

private:
    std::wstring programFolder_;
    AcDbObjectId network_;
};

// Runs the dialog modal over parent (the branch grid, under the network database dialog).
void RunRoughnessDialog(CWnd* parent, const std::wstring& programFolder, AcDbObjectId network);
