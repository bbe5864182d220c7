// The node dialog: symbol, name, demand (in the network's display flow unit), elevation and
// description of one node, inserted (mode 0) or modified.
#pragma once

#include "dialogs/element_attribute_dialog.h"

#include <string>

class TzRvnNodeAttributeDlg : public TzRvnElementAttributeDlg {
public:
    TzRvnNodeAttributeDlg(CWnd* parent, int mode, bool elevationLocked);

    std::wstring symbol;
    std::wstring name;
    double flow = 0.0;
    double elevation = 0.0;
    std::wstring description;

protected:
    bool PrepareFields() override;

private:
    const wchar_t* NameRule(const std::wstring& typed) const;

    bool elevationLocked_;
    std::wstring initialName_;
};
