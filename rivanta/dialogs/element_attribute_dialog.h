// What the node, branch and tank dialogs share: a mode (insertion 0, modification otherwise) that
// chooses caption and help topic, a screen position kept inside the drawing view, fields checked
// as they lose the focus (dialogs/checked_fields.h), Enter moving through the fields, OK alone
// accepting. A derived dialog lists its fields and fills in what it shows at start.
#pragma once

#include "afx_dialog.h"
#include "afx_resources.h"
#include "dialogs/checked_fields.h"
#include "network/settings.h"

#include <map>
#include <vector>

class TzRvnElementAttributeDlg : public CDialog {
public:
    // The dialog's top-left corner on the screen, before it is kept inside the drawing view.
    void SetPosition(int x, int y) {
        positionX_ = x;
        positionY_ = y;
    }

protected:
    struct Captions {
        const wchar_t* insertion;
        const wchar_t* modification;
        const wchar_t* insertionHelp;
        const wchar_t* modificationHelp;
    };

    TzRvnElementAttributeDlg(UINT templateId, CWnd* parent, int mode, Captions captions);

    // The fields, top to bottom, and where Enter moves from each.
    void SetFields(std::vector<TzRvnCheckedField> fields, std::map<int, int> enterCycle);
    // What the dialog does between its translation and its placement (units, defaults, read-only
    // fields); false ends it as cancelled.
    virtual bool PrepareFields() { return true; }
    bool IsModification() const { return mode_ != 0; }
    // The current network's settings; when they cannot be had, says so and gives false.
    bool LoadSettingsOrSay(TzRvnSettings& settings);

    BOOL OnInitDialog() override;
    void OnOK() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    void PlaceInsideView();

    int mode_;
    Captions captions_;
    int positionX_ = 0;
    int positionY_ = 0;
    TzRvnCheckedFields fields_{*this};
};

inline constexpr int kElementDialogHelpButton = 9084;
