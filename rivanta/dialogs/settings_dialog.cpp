#include "dialogs/settings_dialog.h"

#include "afx_color_dialog.h"
#include "dialogs/dialog_icon.h"
#include "dialogs/dialog_numbers.h"
#include "dialogs/dialog_settings.h"
#include "dialogs/element_dialog_texts.h"
#include "dialogs/materials_dialog.h"
#include "dialogs/settings_dialog_texts.h"
#include "dialogs/unit_labels.h"
#include "frame/help.h"
#include "frame/help_topics.h"
#include "frame/translation.h"
#include "host/open_object.h"
#include "host/output_files.h"
#include "netobj/network_object.h"
#include "network/materials.h"
#include "network/settings_file.h"
#include "network/settings_units.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace {

namespace Text = TzRvnSettingsDialogText;

constexpr int kFlowUnit = 9016;
constexpr int kDiameterUnit = 9017;
constexpr int kRoughnessUnit = 9018;
constexpr int kFluid = 9019;
constexpr int kMaterial = 9020;
constexpr int kSlopeUnit = 9021;
constexpr int kViscosity = 9022;
constexpr int kRoughness = 9023;
constexpr int kInitialVelocity = 9024;
constexpr int kMaxIterations = 9025;
constexpr int kMinBranchFlow = 9026;
constexpr int kHeadTolerance = 9027;
constexpr int kFlowTolerance = 9028;
constexpr int kMinHead = 9029;
constexpr int kMaxHead = 9030;
constexpr int kMinVelocity = 9031;
constexpr int kMaxVelocity = 9032;
constexpr int kMinBranchFlowUnit = 9033;
constexpr int kFlowToleranceUnit = 9034;
constexpr int kRoughnessUnitLabel = 9035;
constexpr int kMaterialsButton = 9009;
constexpr int kHelpButton = 9084;
constexpr int kTemplate = 9065;
// The swatches of h < hmin, h > hmax, V < Vmin and V > Vmax.
constexpr std::array<int, 4> kSwatches{9049, 9050, 9051, 9052};

// Where Enter moves from each list and field.
const std::map<int, int> kEnterCycle{
    {kFlowUnit, kDiameterUnit},         {kDiameterUnit, kRoughnessUnit},    {kRoughnessUnit, kSlopeUnit},
    {kSlopeUnit, kFluid},               {kFluid, kMaterial},                {kMaterial, kInitialVelocity},
    {kInitialVelocity, kMaxIterations}, {kMaxIterations, kMinBranchFlow},   {kMinBranchFlow, kHeadTolerance},
    {kHeadTolerance, kFlowTolerance},   {kFlowTolerance, kMinHead},         {kMinHead, kMaxHead},
    {kMaxHead, kMinVelocity},           {kMinVelocity, kMaxVelocity},       {kMaxVelocity, kFlowUnit}};

// The rule of a field whose values must be greater than 0.
TzRvnNumberRule Positive(const wchar_t* message) {
    return [message](double value) { return value > 0.0 ? nullptr : message; };
}

const wchar_t* AtLeastOneIteration(double value) { return value >= 1.0 ? nullptr : Text::kNoIteration; }

// The roughness of material number index of the material list, in metres; none without one.
std::optional<double> MaterialRoughness(int index) {
    const std::vector<CMateriale>& materials = MaterialList();
    if (index < 0 || index >= static_cast<int>(materials.size())) return std::nullopt;
    return materials[static_cast<std::size_t>(index)].roughness;
}

void FillList(CWnd* control, std::span<const wchar_t* const> items, int selected) {
    auto* list = static_cast<CComboBox*>(control);
    list->ResetContent();
    for (const wchar_t* item : items) list->AddString(TranslateText(item).c_str());
    list->SetCurSel(selected);
}

}  // namespace

TzRvnImpostazioniDlg::TzRvnImpostazioniDlg(CWnd* parent, std::wstring programFolder, AcDbObjectId network,
                                           std::wstring networkName)
    : CDialog(kTemplate, parent),
      programFolder_(std::move(programFolder)),
      network_(network),
      networkName_(std::move(networkName)) {}

BOOL TzRvnImpostazioniDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    TranslateDialog(this);
    SetRivantaDialogIcon(*this);
    if (!network_.isNull()) {
        SetWindowText(FormatTranslated(Text::kNetworkCaption, {std::wstring_view(networkName_)}).c_str());
    }
    if (!LoadStoredOrSay(stored_)) {
        EndDialog(IDCANCEL);
        return TRUE;
    }
    Show(stored_);
    return TRUE;
}

// The stored settings; false, with the message said, when they cannot be had.
bool TzRvnImpostazioniDlg::LoadStoredOrSay(TzRvnSettings& settings) {
    const TzRvnSettingsLoad load = LoadDialogSettings(programFolder_, network_, settings);
    if (!load.loaded()) SayError(load.message);
    return load.loaded();
}

void TzRvnImpostazioniDlg::SayError(const std::wstring& message) const {
    MessageBoxW(m_hWnd, message.c_str(), TranslateText(Text::kMessageCaption).c_str(), MB_OK | MB_ICONERROR);
}

void TzRvnImpostazioniDlg::Show(const TzRvnSettings& settings) {
    FillList(GetDlgItem(kFlowUnit), TzRvnElementDialogText::kFlowUnitLabels, settings.flowUnit);
    FillList(GetDlgItem(kDiameterUnit), TzRvnElementDialogText::kLengthUnitLabels, settings.diameterUnit);
    FillList(GetDlgItem(kRoughnessUnit), TzRvnElementDialogText::kLengthUnitLabels, settings.roughnessUnit);
    FillList(GetDlgItem(kSlopeUnit), Text::kSlopeUnitLabels, settings.slopeUnit);
    FillList(GetDlgItem(kFluid), Text::kFluids, settings.fluidIndex);
    RefillMaterials();
    static_cast<CComboBox*>(GetDlgItem(kMaterial))->SetCurSel(settings.materialIndex);
    flowUnit_ = settings.flowUnit;
    roughnessUnit_ = settings.roughnessUnit;
    viscosity_ = settings.viscosity;
    initialVelocity_ = settings.initialVelocity;
    maxIterations_ = settings.maxIterations;
    minBranchFlow_ = settings.minBranchFlowIn(flowUnit_);
    headTolerance_ = settings.headTolerance;
    flowTolerance_ = settings.flowToleranceIn(flowUnit_);
    roughness_ = settings.defaultRoughness / RoughnessUnitFactor(roughnessUnit_);
    minHead_ = settings.minPressureHead;
    maxHead_ = settings.maxPressureHead;
    minVelocity_ = settings.minVelocity;
    maxVelocity_ = settings.maxVelocity;
    colours_ = {settings.colourLowHead, settings.colourHighHead, settings.colourLowVelocity,
                settings.colourHighVelocity};
    SetCheckedFields();
    fields_.ShowAll();
    SetDlgItemText(kViscosity, DialogNumberText(viscosity_).c_str());
    ShowRoughness();
    ShowColours();
    ShowUnitLabels();
}

void TzRvnImpostazioniDlg::SetCheckedFields() {
    TzRvnCheckedField iterations = TzRvnNumberField(kMaxIterations, &maxIterations_, AtLeastOneIteration);
    iterations.wholeNumber = true;
    TzRvnCheckedField minHead = TzRvnNumberField(kMinHead, &minHead_, Positive(Text::kMinHeadNotPositive));
    minHead.adjust = [this](double value) { return std::min(value, maxHead_); };
    TzRvnCheckedField maxHead = TzRvnNumberField(kMaxHead, &maxHead_, Positive(Text::kMaxHeadNotPositive));
    maxHead.adjust = [this](double value) { return std::max(value, minHead_); };
    TzRvnCheckedField minVelocity =
        TzRvnNumberField(kMinVelocity, &minVelocity_, Positive(Text::kMinVelocityNotPositive));
    minVelocity.adjust = [this](double value) { return std::min(value, maxVelocity_); };
    TzRvnCheckedField maxVelocity =
        TzRvnNumberField(kMaxVelocity, &maxVelocity_, Positive(Text::kMaxVelocityNotPositive));
    maxVelocity.adjust = [this](double value) { return std::max(value, minVelocity_); };
    fields_.Set({TzRvnNumberField(kInitialVelocity, &initialVelocity_, Positive(Text::kInitialVelocityNotPositive)),
                 iterations,
                 TzRvnNumberField(kMinBranchFlow, &minBranchFlow_, Positive(Text::kMinBranchFlowNotPositive)),
                 TzRvnNumberField(kHeadTolerance, &headTolerance_, Positive(Text::kHeadToleranceNotPositive)),
                 TzRvnNumberField(kFlowTolerance, &flowTolerance_, Positive(Text::kFlowToleranceNotPositive)),
                 minHead, maxHead, minVelocity, maxVelocity},
                kEnterCycle);
}

void TzRvnImpostazioniDlg::ShowRoughness() { SetDlgItemText(kRoughness, DialogNumberText(roughness_).c_str()); }

void TzRvnImpostazioniDlg::ShowColours() {
    for (std::size_t i = 0; i < kSwatches.size(); ++i) {
        static_cast<CStatic*>(GetDlgItem(kSwatches[i]))->SetBackgroundColor(colours_[i]);
    }
}

void TzRvnImpostazioniDlg::ShowUnitLabels() {
    const std::wstring flowUnit = TranslateText(FlowUnitLabel(flowUnit_));
    SetDlgItemText(kMinBranchFlowUnit, flowUnit.c_str());
    SetDlgItemText(kFlowToleranceUnit, flowUnit.c_str());
    SetDlgItemText(kRoughnessUnitLabel, TranslateText(LengthUnitLabel(roughnessUnit_)).c_str());
}

// The code selected in a list; unselected when the list shows no selection.
int TzRvnImpostazioniDlg::Selection(int listId, int unselected) const {
    const int selected = static_cast<const CComboBox*>(GetDlgItem(listId))->GetCurSel();
    return selected >= 0 ? selected : unselected;
}

// The stored minimum branch flow and flow tolerance in the flow unit chosen; edits of them are
// given up. When the settings cannot be had the unit goes back to the one the fields show.
void TzRvnImpostazioniDlg::OnFlowUnitChosen() {
    TzRvnSettings settings;
    if (!LoadStoredOrSay(settings)) {
        static_cast<CComboBox*>(GetDlgItem(kFlowUnit))->SetCurSel(flowUnit_);
        return;
    }
    flowUnit_ = Selection(kFlowUnit, flowUnit_);
    minBranchFlow_ = settings.minBranchFlowIn(flowUnit_);
    flowTolerance_ = settings.flowToleranceIn(flowUnit_);
    fields_.Show(kMinBranchFlow);
    fields_.Show(kFlowTolerance);
    ShowUnitLabels();
}

// The roughness of the material chosen, or without one the stored roughness, in the unit chosen.
void TzRvnImpostazioniDlg::OnRoughnessUnitChosen() {
    TzRvnSettings settings;
    if (!LoadStoredOrSay(settings)) {
        static_cast<CComboBox*>(GetDlgItem(kRoughnessUnit))->SetCurSel(roughnessUnit_);
        return;
    }
    roughnessUnit_ = Selection(kRoughnessUnit, roughnessUnit_);
    const double metres = MaterialRoughness(Selection(kMaterial, -1)).value_or(settings.defaultRoughness);
    roughness_ = metres / RoughnessUnitFactor(roughnessUnit_);
    ShowRoughness();
    ShowUnitLabels();
}

void TzRvnImpostazioniDlg::OnMaterialChosen() {
    TzRvnSettings settings;
    const std::optional<double> metres = MaterialRoughness(Selection(kMaterial, -1));
    if (!metres || !LoadStoredOrSay(settings)) return;
    roughness_ = *metres / RoughnessUnitFactor(roughnessUnit_);
    ShowRoughness();
}

// The material list again (the materials dialog may have changed it), at the same position.
void TzRvnImpostazioniDlg::RefillMaterials() {
    auto* list = static_cast<CComboBox*>(GetDlgItem(kMaterial));
    const int selected = list->GetCurSel();
    list->ResetContent();
    for (const CMateriale& material : MaterialList()) list->AddString(material.name.c_str());
    list->SetCurSel(selected);
}

void TzRvnImpostazioniDlg::OnRButtonDown(UINT, CPoint point) {
    const CWnd* control = ChildWindowFromPoint(point);
    const int id = control ? control->GetDlgCtrlID() : 0;
    const auto swatch = std::find(kSwatches.begin(), kSwatches.end(), id);
    if (swatch != kSwatches.end()) PickColour(static_cast<std::size_t>(swatch - kSwatches.begin()));
}

void TzRvnImpostazioniDlg::PickColour(std::size_t swatch) {
    CColorDialog picker(colours_[swatch], CC_FULLOPEN, this);
    if (picker.DoModal() != IDOK) return;
    colours_[swatch] = picker.GetColor();
    ShowColours();
}

BOOL TzRvnImpostazioniDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
    const int id = static_cast<int>(LOWORD(wParam));
    const UINT code = HIWORD(wParam);
    if (fields_.OnNotification(id, code)) return TRUE;
    if (code == CBN_SELCHANGE && id == kFlowUnit) return OnFlowUnitChosen(), TRUE;
    if (code == CBN_SELCHANGE && id == kRoughnessUnit) return OnRoughnessUnitChosen(), TRUE;
    if (code == CBN_SELCHANGE && id == kMaterial) return OnMaterialChosen(), TRUE;
    if (code == CBN_SETFOCUS && id == kMaterial) return RefillMaterials(), TRUE;
    if (code == BN_CLICKED && id == kMaterialsButton) return RunMaterialsDialog(this, programFolder_, network_), TRUE;
    if (code == BN_CLICKED && id == kHelpButton) return OpenHelpTopic(TzRvnHelpTopic::kNetworkDatabase), TRUE;
    return CDialog::OnCommand(wParam, lParam);
}

// The settings the dialog shows, SI; a list without a selection keeps the stored code.
TzRvnSettings TzRvnImpostazioniDlg::Collected() const {
    TzRvnSettings settings;
    settings.flowUnit = flowUnit_;
    settings.diameterUnit = Selection(kDiameterUnit, stored_.diameterUnit);
    settings.roughnessUnit = roughnessUnit_;
    settings.slopeUnit = Selection(kSlopeUnit, stored_.slopeUnit);
    settings.setFluid(Selection(kFluid, stored_.fluidIndex), viscosity_);
    settings.initialVelocity = initialVelocity_;
    settings.maxIterations = static_cast<std::int32_t>(maxIterations_);
    settings.setMinBranchFlow(minBranchFlow_);
    settings.headTolerance = headTolerance_;
    settings.setFlowTolerance(flowTolerance_);
    settings.setMaterial(Selection(kMaterial, stored_.materialIndex), roughness_);
    settings.minPressureHead = minHead_;
    settings.maxPressureHead = maxHead_;
    settings.minVelocity = minVelocity_;
    settings.maxVelocity = maxVelocity_;
    settings.colourLowHead = colours_[0];
    settings.colourHighHead = colours_[1];
    settings.colourLowVelocity = colours_[2];
    settings.colourHighVelocity = colours_[3];
    return settings;
}

// Into the network, or into the settings file; false, with the message said, when it cannot be.
bool TzRvnImpostazioniDlg::Store(const TzRvnSettings& settings) {
    if (network_.isNull()) {
        if (SaveSettingsFile(programFolder_ + kSettingsFileName, settings)) return true;
        SayError(TranslateText(Text::kFileNotSaved));
        return false;
    }
    TzRvnOpenObject<TzRvnNetwork> network(network_, AcDb::kForWrite);
    if (network.isOpen() && network->setSettings(settings) == Acad::eOk) return true;
    SayError(TranslateText(Text::kNetworkNotUpdated));
    return false;
}

// Enter in a list or field moves on; only the OK button stores the settings and closes.
void TzRvnImpostazioniDlg::OnOK() {
    if (fields_.AcceptsOk() && Store(Collected())) EndDialog(IDOK);
}
