#include "dialogs/tank_attribute_dialog.h"

#include "dialogs/element_dialog_texts.h"
#include "frame/help_topics.h"

namespace {

constexpr int kTemplate = 9069;
constexpr int kNodeName = 9022;
constexpr int kSymbol = 9023;
constexpr int kHead = 9024;
constexpr int kDescription = 9025;

const wchar_t* PositiveHead(double value) { return value > 0.0 ? nullptr : TzRvnElementDialogText::kHeadNotPositive; }

}  // namespace

TzRvnTankAttributeDlg::TzRvnTankAttributeDlg(CWnd* parent, int mode)
    : TzRvnElementAttributeDlg(kTemplate, parent, mode,
                               {TzRvnElementDialogText::kInsertTank, TzRvnElementDialogText::kModifyTank,
                                TzRvnHelpTopic::kInsertTank, TzRvnHelpTopic::kModifyNetwork}) {}

bool TzRvnTankAttributeDlg::PrepareFields() {
    SetDlgItemText(kNodeName, nodeName.c_str());
    static_cast<CEdit*>(GetDlgItem(kNodeName))->SetReadOnly(TRUE);
    static_cast<CEdit*>(GetDlgItem(kSymbol))->LimitText(1);
    SetFields({TzRvnTextField(kSymbol, &symbol), TzRvnNumberField(kHead, &head, PositiveHead),
               TzRvnTextField(kDescription, &description)},
              {{kSymbol, kHead}, {kHead, kDescription}, {kDescription, kSymbol}});
    return true;
}
