// Each standard control of a template as its Qt widget, and a person's use of the widgets reaching
// the controls (and a handler's answer reaching the widgets), on Qt's offscreen platform.
#include "qt_dialog_test.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

using rvngui::DialogView;
using rvngui::test::control;
using rvngui::test::whenShown;

constexpr int kMaterial = 201;
constexpr int kOtherMaterial = 202;
constexpr int kExcluded = 203;
constexpr int kNodes = 204;
constexpr int kNotes = 205;
constexpr int kSwatch = 206;

// Fills its lists at start; an excluded branch has no second material; a right click on the
// swatch turns it blue.
class ControlsDialog : public CDialog {
public:
    ControlsDialog() : CDialog(100) {}
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        auto* materials = static_cast<CComboBox*>(GetDlgItem(kMaterial));
        for (const wchar_t* material : {L"Acciaio", L"Ghisa", L"PVC"}) materials->AddString(material);
        materials->SetCurSel(0);
        auto* nodes = static_cast<CListBox*>(GetDlgItem(kNodes));
        for (const wchar_t* node : {L"N1", L"N2", L"N3"}) nodes->AddString(node);
        static_cast<CStatic*>(GetDlgItem(kSwatch))->SetBackgroundColor(RGB(255, 0, 0));
        return TRUE;
    }
    void OnRButtonDown(UINT, CPoint point) override {
        CWnd* clicked = ChildWindowFromPoint(point);
        if (clicked && clicked->GetDlgCtrlID() == kSwatch) {
            static_cast<CStatic*>(clicked)->SetBackgroundColor(RGB(0, 0, 255));
        }
    }
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override {
        if (LOWORD(wParam) == kOtherMaterial && HIWORD(wParam) == CBN_DROPDOWN) {
            auto* others = static_cast<CComboBox*>(GetDlgItem(kOtherMaterial));
            if (others->GetCount() == 0) others->AddString(L"Rame");
            return TRUE;
        }
        if (LOWORD(wParam) != kExcluded || HIWORD(wParam) != BN_CLICKED) return CDialog::OnCommand(wParam, lParam);
        GetDlgItem(kOtherMaterial)->EnableWindow(!static_cast<CButton*>(GetDlgItem(kExcluded))->GetCheck());
        return TRUE;
    }
};

using StandardControlsOnQt = rvngui::test::TemplatesOnQt;

TEST_F(StandardControlsOnQt, EachControlIsItsWidgetAndTheWidgetsActOnTheControls) {
    ControlsDialog dialog;
    whenShown(dialog, [](DialogView& view) {
        auto* group = control<QGroupBox>(view, IDC_STATIC);
        auto* materials = control<QComboBox>(view, kMaterial);
        auto* otherMaterial = control<QComboBox>(view, kOtherMaterial);
        auto* excluded = control<QCheckBox>(view, kExcluded);
        auto* nodes = control<QListWidget>(view, kNodes);
        auto* notes = control<QPlainTextEdit>(view, kNotes);
        ASSERT_TRUE(group && materials && otherMaterial && excluded && nodes && notes);
        EXPECT_EQ(group->title(), "Tubazione");
        EXPECT_TRUE(group->geometry().contains(excluded->geometry()));
        EXPECT_EQ(materials->x(), otherMaterial->x());
        EXPECT_LT(materials->height(), nodes->height());  // the template's height includes the open list
        EXPECT_TRUE(control<QPushButton>(view, IDOK)->isDefault());
        EXPECT_FALSE(materials->isEditable());
        EXPECT_TRUE(otherMaterial->isEditable());
        EXPECT_EQ(materials->currentText(), "Acciaio");
        EXPECT_EQ(nodes->count(), 3);

        EXPECT_EQ(otherMaterial->count(), 0);
        otherMaterial->showPopup();  // the dialog fills the list as it drops down
        EXPECT_EQ(otherMaterial->count(), 1);
        otherMaterial->hidePopup();
        materials->setFocus(Qt::TabFocusReason);
        QTest::keyClick(materials, Qt::Key_Down);
        QTest::keyClicks(otherMaterial, "Rame");
        QTest::mouseClick(excluded, Qt::LeftButton, {}, QPoint(6, excluded->height() / 2));  // on its box
        EXPECT_TRUE(excluded->isChecked());
        EXPECT_FALSE(otherMaterial->isEnabled());
        QTest::mouseClick(nodes->viewport(), Qt::LeftButton, {}, nodes->visualItemRect(nodes->item(1)).center());
        QTest::keyClicks(notes, "prima");
        QTest::keyClick(notes, Qt::Key_Return);
        QTest::keyClicks(notes, "seconda");
        EXPECT_EQ(notes->toPlainText(), "prima\nseconda");
        auto* swatch = control<QLabel>(view, kSwatch);
        EXPECT_TRUE(swatch->autoFillBackground());
        EXPECT_EQ(swatch->palette().color(QPalette::Window), QColor(255, 0, 0));
        QTest::mouseClick(swatch, Qt::RightButton);
        EXPECT_EQ(swatch->palette().color(QPalette::Window), QColor(0, 0, 255));
        QTest::mouseClick(control<QPushButton>(view, IDOK), Qt::LeftButton);
    });
    ASSERT_EQ(dialog.DoModal(), IDOK);
    EXPECT_TRUE(rvnhost::Transcript::instance().contains(
        L"closed with OK: 201 Materiale=\"Ghisa\"; 202 =\"Rame\"; 203 Esclusa=[x]; 204 =\"N2\"; "
        L"205 =\"prima\r\nseconda\""));
}

}  // namespace
