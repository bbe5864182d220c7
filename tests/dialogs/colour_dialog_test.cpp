// The colour picker and the right click that dialogs open it with.
#include "afx_color_dialog.h"
#include "afx_dialog.h"
#include "afx_resources.h"
#include "dialog_record.h"
#include "input_queue.h"
#include "module_loader.h"
#include "text_codec.h"
#include "transcript.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

using rvnhost::Transcript;

class ColourPicker : public ::testing::Test {
protected:
    void SetUp() override {
        Transcript::instance().clear();
        AfxSetResourceHandle(GetModuleHandleW(nullptr));
    }
    static bool said(const std::wstring& fragment) { return Transcript::instance().contains(fragment); }
};

TEST_F(ColourPicker, ColoursAreTypedAsIntensitiesOrBasicColours) {
    EXPECT_EQ(rvnhost::colourOfText(L" 10, 20 ,30"), RGB(10, 20, 30));
    EXPECT_EQ(rvnhost::colourOfText(L"255,255,255"), RGB(255, 255, 255));
    EXPECT_EQ(rvnhost::colourOfText(L"0"), RGB(0, 0, 0));
    EXPECT_EQ(rvnhost::colourOfText(L"9"), RGB(255, 0, 0));
    EXPECT_EQ(rvnhost::colourOfText(L"15"), RGB(255, 255, 255));
    for (const wchar_t* wrong : {L"16", L"256,0,0", L"1,2", L"1,2,3,4", L"-1,0,0", L"a,b,c", L"", L"1,,3", L"1.5"}) {
        EXPECT_EQ(rvnhost::colourOfText(wrong), std::nullopt) << rvnos::toUtf8(wrong);
    }
}

TEST_F(ColourPicker, OkTakesTheColourShownAndEscapeOrNoMoreInputKeepsTheFirst) {
    {
        rvntest::QueuedInput input({L"colour 1,2,3", L"paint it", L"COLOR 4,5,6", L"ok"});
        CColorDialog picker(RGB(9, 9, 9));
        EXPECT_EQ(picker.DoModal(), IDOK);
        EXPECT_EQ(picker.GetColor(), RGB(4, 5, 6));
        EXPECT_TRUE(said(L"Colour actions: colour R,G,B"));
    }
    rvntest::QueuedInput input({L"colour 1,2,3", L"esc"});
    CColorDialog picker(RGB(9, 9, 9));
    EXPECT_EQ(picker.DoModal(), IDCANCEL);
    EXPECT_EQ(picker.GetColor(), RGB(9, 9, 9));
    EXPECT_TRUE(said(L"Dialog \"Colore\" closed with Cancel: 9,9,9"));
    rvntest::QueuedInput unfinished({L"colour 200,0,0"});
    EXPECT_EQ(picker.DoModal(), IDCANCEL);
    EXPECT_EQ(picker.GetColor(), RGB(9, 9, 9));
    EXPECT_TRUE(said(L"The dialog \"Colore\" was left waiting for input: it is cancelled"));
}

// A dialog that records the control under each right click and the focused one, and paints its
// swatch.
class SwatchDialog : public CDialog {
public:
    SwatchDialog() : CDialog(9068) {}
    std::vector<int> clicked;
    std::vector<int> focused;

    void OnRButtonDown(UINT flags, CPoint point) override {
        const CWnd* control = ChildWindowFromPoint(point);
        clicked.push_back(flags == MK_RBUTTON && control ? control->GetDlgCtrlID() : 0);
        focused.push_back(GetFocus() ? GetFocus()->GetDlgCtrlID() : 0);
        static_cast<CStatic*>(GetDlgItem(9040))->SetBackgroundColor(RGB(1, 2, 3));
    }
};

TEST_F(ColourPicker, ARightClickReachesTheDialogAtTheControlsPlace) {
    rvntest::QueuedInput input({L"type 9023 N4", L"rclick 9025", L"rclick 9031", L"rclick 9040", L"click 1"});
    SwatchDialog dialog;
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.clicked, (std::vector<int>{9025, 9031, 9040}));
    EXPECT_EQ(dialog.focused, (std::vector<int>{9023, 9023, 9023}));  // a right click moves no focus
    EXPECT_TRUE(said(L"closed with OK: 9027 Simbolo=\"\"; 9023 Nome/Numero=\"N4\"; "));
    EXPECT_TRUE(said(L"9031 Bloccata=[ ]; 9040 =colour 1,2,3"));  // a painted swatch shows as a field
}

}  // namespace
