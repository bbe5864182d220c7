// The settings dialog "Impostazioni": the settings of one network of the working drawing, or, with
// no network, the settings file "rvnsetup.par" of the program folder. Display units are chosen in
// lists and the fields that depend on them are shown again in the unit chosen; the fields are
// checked as they lose the focus; a right click on a colour swatch picks its colour; Enter moves
// through the lists and fields; OK alone stores the settings and closes the dialog, which stays
// open when they cannot be stored.
#pragma once

#include "afx_dialog.h"
#include "dbid.h"
#include "dialogs/checked_fields.h"
#include "network/settings.h"

#include <array>
#include <string>

class TzRvnImpostazioniDlg : public CDialog {
public:
    // Edits the settings of network, whose name the caption shows; with a null network, those of
    // the settings file in programFolder (which ends with its separator).
    TzRvnImpostazioniDlg(CWnd* parent, std::wstring programFolder, AcDbObjectId network = AcDbObjectId::kNull,
                         std::wstring networkName = {});

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnRButtonDown(UINT flags, CPoint point) override;

private:
    bool LoadStoredOrSay(TzRvnSettings& settings);
    void SayError(const std::wstring& message) const;
    void Show(const TzRvnSettings& settings);
    void ShowRoughness();
    void ShowColours();
    void ShowUnitLabels();
    void SetCheckedFields();
    void OnFlowUnitChosen();
    void OnRoughnessUnitChosen();
    void OnMaterialChosen();
    void RefillMaterials();
    void PickColour(std::size_t swatch);
    int Selection(int listId, int unselected) const;
    TzRvnSettings Collected() const;
    bool Store(const TzRvnSettings& settings);

    std::wstring programFolder_;
    AcDbObjectId network_;
    std::wstring networkName_;
    TzRvnCheckedFields fields_{*this};
    TzRvnSettings stored_;  // as loaded at the start: the codes of lists left without a selection
    // What the fields show, flows and roughness in the units of the codes beside them.
    int flowUnit_ = 0;
    int roughnessUnit_ = 0;
    double viscosity_ = 0.0;
    double initialVelocity_ = 0.0;
    double maxIterations_ = 0.0;
    double minBranchFlow_ = 0.0;
    double headTolerance_ = 0.0;
    double flowTolerance_ = 0.0;
    double roughness_ = 0.0;
    double minHead_ = 0.0;
    double maxHead_ = 0.0;
    double minVelocity_ = 0.0;
    double maxVelocity_ = 0.0;
    std::array<COLORREF, 4> colours_{};
};
