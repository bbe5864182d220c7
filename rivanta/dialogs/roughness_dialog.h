// The roughness dialog (TzRvnScabrezzaDlg, template 9066): the materials archive shown for
// reference, in the roughness unit of network's settings when there is a network, else of the
// settings file of programFolder, while branches are typed in the branch grid. Modal over parent.
// The grid control it stands on is not wired to it in this version yet: running it says so on the
// command line.
#pragma once

#include "dbid.h"

#include <string>

class CWnd;

void RunRoughnessDialog(CWnd* parent, const std::wstring& programFolder, AcDbObjectId network);
