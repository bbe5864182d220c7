#include "dialogs/edge_attribute_dialog.h"

#include "dialogs/unit_labels.h"
#include "frame/help_topics.h"
#include "network/settings_units.h"

namespace {

constexpr int kTemplate = 9070;
constexpr int kDiameterUnit = 9022;
constexpr int kRoughnessUnit = 9023;
constexpr int kLength = 9025;
constexpr int kDiameter = 9026;
constexpr int kRoughness = 9027;
constexpr int kCsi = 9028;
constexpr int kDescription = 9029;

const wchar_t* PositiveLength(double value) {
    return value > 0.0 ? nullptr : TzRvnElementDialogText::kLengthNotPositive;
}
const wchar_t* PositiveDiameter(double value) {
    return value > 0.0 ? nullptr : TzRvnElementDialogText::kDiameterNotPositive;
}
const wchar_t* PositiveRoughness(double value) {
    return value > 0.0 ? nullptr : TzRvnElementDialogText::kRoughnessNotPositive;
}
const wchar_t* CoefficientNotNegative(double value) {
    return value >= 0.0 ? nullptr : TzRvnElementDialogText::kCoefficientNegative;
}

}  // namespace

TzRvnEdgeAttributeDlg::TzRvnEdgeAttributeDlg(CWnd* parent, int mode)
    : TzRvnElementAttributeDlg(kTemplate, parent, mode,
                               {TzRvnElementDialogText::kInsertBranch, TzRvnElementDialogText::kModifyBranch,
                                TzRvnHelpTopic::kInsertBranch, TzRvnHelpTopic::kModifyNetwork}) {}

bool TzRvnEdgeAttributeDlg::PrepareFields() {
    TzRvnSettings settings;
    if (!LoadSettingsOrSay(settings)) return false;
    SetDlgItemText(kDiameterUnit, LengthUnitLabel(settings.diameterUnit).c_str());
    SetDlgItemText(kRoughnessUnit, LengthUnitLabel(settings.roughnessUnit).c_str());
    if (diameter == 0.0) diameter = 1.0;
    if (roughness == 0.0) roughness = settings.defaultRoughness / RoughnessUnitFactor(settings.roughnessUnit);
    static_cast<CEdit*>(GetDlgItem(kLength))->SetReadOnly(TRUE);
    SetFields({TzRvnNumberField(kLength, &length, PositiveLength, false),
               TzRvnNumberField(kDiameter, &diameter, PositiveDiameter),
               TzRvnNumberField(kRoughness, &roughness, PositiveRoughness),
               TzRvnNumberField(kCsi, &csi, CoefficientNotNegative), TzRvnTextField(kDescription, &description)},
              {{kLength, kDiameter}, {kDiameter, kRoughness}, {kRoughness, kCsi}, {kCsi, kDescription},
               {kDescription, kDiameter}});
    return true;
}
