// The materials dialog (TzRvnMaterialiDlg, template 9067): the materials archive edited in a grid
// over the settings dialog, which stays its parent and whose roughness unit list (9018) gives the
// grid's unit. Its settings come from network when there is one, else from the settings file of
// programFolder, where it writes the archive. The grid control it stands on is not in this version
// yet: running it says so on the command line and leaves the archive and the material list as
// they are.
#pragma once

#include "dbid.h"

#include <string>

class CWnd;

void RunMaterialsDialog(CWnd* parent, const std::wstring& programFolder, AcDbObjectId network);
