// The plug-in's materials dialog shown by Qt on its offscreen platform: its grid is a table above
// the buttons, and a material typed into the table's empty last row is saved by a click on OK.
#include "afx_resources.h"
#include "module_loader.h"
#include "dialogs/materials_dialog.h"
#include "network/materials.h"
#include "qt_dialog_test.h"
#include "test_files.h"
#include "text_codec.h"

#include <QPushButton>

#include <filesystem>
#include <utility>

namespace {

using rvngui::test::control;

TEST(MaterialsDialogOnQt, TheGridIsATableAboveTheButtonsAndWhatIsTypedInItIsSaved) {
    rvngui::QtPresentation presentation;
    rvntest::ScratchDir folder;
    AfxSetResourceHandle(GetModuleHandleW(nullptr));
    std::filesystem::copy_file(std::filesystem::path(RVN_SOURCE_DIR) / "examples" / "rvnsetup.par",
                               folder / "rvnsetup.par");
    const std::vector<CMateriale> saved = std::exchange(MaterialList(), {{L"Ghisa", 0.0015}});
    TzRvnMaterialiDlg dialog(nullptr, rvnos::fromUtf8(folder.path().string()) + L"/");
    rvngui::test::whenShown(dialog, [](rvngui::DialogView& view) {
        auto* table = control<QTableView>(view, 9041);
        auto* ok = control<QPushButton>(view, IDOK);
        ASSERT_TRUE(table && ok);
        EXPECT_EQ(table->model()->rowCount(), 3);
        EXPECT_EQ(rvngui::test::shown(*table, 1, 1), "Ghisa");
        EXPECT_LT(table->geometry().bottom(), ok->geometry().top());
        EXPECT_NEAR(table->geometry().right(), control<QPushButton>(view, IDCANCEL)->geometry().right(), 1);
        rvngui::test::typeInto(*table, 2, 1, "Acciaio");
        rvngui::test::typeInto(*table, 2, 2, "0.05");
        QTest::mouseClick(ok, Qt::LeftButton);
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    MaterialList() = saved;
    EXPECT_EQ(rvntest::readBytes(folder / "rvnmateriali.dat"), "Ghisa\n0.0015000000\nAcciaio\n0.0000500000\n");
}

}  // namespace
