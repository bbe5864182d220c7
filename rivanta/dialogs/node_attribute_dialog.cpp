#include "dialogs/node_attribute_dialog.h"

#include "dialogs/element_dialog_texts.h"
#include "dialogs/unit_labels.h"
#include "frame/doc_state.h"
#include "frame/document_states.h"
#include "frame/help_topics.h"

namespace {

constexpr int kTemplate = 9068;
constexpr int kSymbol = 9027;
constexpr int kName = 9023;
constexpr int kFlow = 9024;
constexpr int kFlowUnit = 9022;
constexpr int kElevation = 9025;
constexpr int kDescription = 9026;
constexpr int kLongestName = 15;

}  // namespace

TzRvnNodeAttributeDlg::TzRvnNodeAttributeDlg(CWnd* parent, int mode, bool elevationLocked)
    : TzRvnElementAttributeDlg(kTemplate, parent, mode,
                               {TzRvnElementDialogText::kInsertNode, TzRvnElementDialogText::kModifyNode,
                                TzRvnHelpTopic::kInsertNode, TzRvnHelpTopic::kModifyNetwork}),
      elevationLocked_(elevationLocked) {}

// A modified node keeps its own name; any other name must be new to the document.
const wchar_t* TzRvnNodeAttributeDlg::NameRule(const std::wstring& typed) const {
    if (typed.empty()) return TzRvnElementDialogText::kNameEmpty;
    const TzRvnDocState* state = currentDocState();
    const bool ownName = IsModification() && typed == initialName_;
    if (!ownName && state && state->hasNodeName(typed)) return TzRvnElementDialogText::kNameInUse;
    return nullptr;
}

bool TzRvnNodeAttributeDlg::PrepareFields() {
    TzRvnSettings settings;
    if (!LoadSettingsOrSay(settings)) return false;
    initialName_ = name;
    SetDlgItemText(kFlowUnit, FlowUnitLabel(settings.flowUnit).c_str());
    static_cast<CEdit*>(GetDlgItem(kSymbol))->LimitText(1);
    static_cast<CEdit*>(GetDlgItem(kName))->LimitText(kLongestName);
    static_cast<CEdit*>(GetDlgItem(kElevation))->SetReadOnly(elevationLocked_);
    SetFields({TzRvnTextField(kSymbol, &symbol),
               TzRvnTextField(kName, &name, [this](const std::wstring& typed) { return NameRule(typed); }),
               TzRvnNumberField(kFlow, &flow),
               TzRvnNumberField(kElevation, &elevation,
                                [](double value) {
                                    return value < 0.0 ? TzRvnElementDialogText::kElevationNegative : nullptr;
                                }),
               TzRvnTextField(kDescription, &description)},
              {{kSymbol, kName},
               {kName, kFlow},
               {kFlow, kElevation},
               {kElevation, kDescription},
               {kDescription, kSymbol}});
    return true;
}
