// The file dialog in open mode: a typed path, its parts, the default extension and a dialog left waiting.
#include "afx_file_dialog.h"
#include "input_queue.h"
#include "transcript.h"

#include <gtest/gtest.h>

namespace {

using rvnhost::Transcript;

class FileDialog : public ::testing::Test {
protected:
    void SetUp() override { Transcript::instance().clear(); }
    static INT_PTR choose(CFileDialog& dialog, std::vector<std::wstring> lines) {
        rvntest::QueuedInput input(std::move(lines));
        return dialog.DoModal();
    }
};

TEST_F(FileDialog, ATypedPathGivesItsNameTitleAndExtension) {
    CFileDialog dialog(TRUE, L"ptv", L"*.ptv", OFN_HIDEREADONLY, L"Portavia Files (*.ptv) | *.ptv || ");
    ASSERT_EQ(choose(dialog, {L"  /home/ing/reti.v2/centro.ptv "}), IDOK);
    EXPECT_EQ(dialog.GetPathName(), L"/home/ing/reti.v2/centro.ptv");
    EXPECT_EQ(dialog.GetFileName(), L"centro.ptv");
    EXPECT_EQ(dialog.GetFileTitle(), L"centro");
    EXPECT_TRUE(Transcript::instance().contains(L"Dialog \"Apri\" opened: *.ptv (Portavia Files (*.ptv) | *.ptv || )"));
    EXPECT_TRUE(Transcript::instance().contains(L"Dialog \"Apri\" closed with OK: /home/ing/reti.v2/centro.ptv"));
}

// Escape is the network database dialog's import (tests/database).
TEST_F(FileDialog, APathWithoutExtensionTakesTheDefaultOneAndNoMoreInputCancels) {
    CFileDialog dialog(TRUE, L"ptv");
    ASSERT_EQ(choose(dialog, {L"", L"/dati.d/rete"}), IDOK);  // an empty line asks again
    EXPECT_EQ(dialog.GetPathName(), L"/dati.d/rete.ptv");
    CFileDialog cancelled(TRUE, L"ptv");
    EXPECT_EQ(choose(cancelled, {}), IDCANCEL);
    EXPECT_TRUE(Transcript::instance().contains(L"The dialog \"Apri\" was left waiting for input: it is cancelled"));
}

}  // namespace
