// The tank dialog: the name of the node the tank stands on (shown only), symbol, piezometric head
// and description of one tank. It needs no settings.
#pragma once

#include "dialogs/element_attribute_dialog.h"

#include <string>

class TzRvnTankAttributeDlg : public TzRvnElementAttributeDlg {
public:
    TzRvnTankAttributeDlg(CWnd* parent, int mode);

    std::wstring nodeName;
    std::wstring symbol;
    double head = 0.0;
    std::wstring description;

protected:
    bool PrepareFields() override;
};
