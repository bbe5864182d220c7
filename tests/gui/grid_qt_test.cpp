// The grid control as a Qt table on the offscreen platform: the grid's cells, colours and
// read-only cells on the table, a value typed in the table going through the grid's editing (and
// its owner's refusal), and the program's changes of the grid reaching the table.
#include "../grid/grid_owner.h"
#include "afx_grid.h"
#include "qt_dialog_test.h"

#include <QImage>
#include <QPushButton>

#include <cwchar>

namespace {

using rvngui::DialogView;
using rvngui::test::control;
using rvngui::test::openEditor;
using rvngui::test::shown;
using rvngui::test::typeInto;
using rvngui::test::whenShown;

constexpr int kGrid = 301;
constexpr int kElevation = 2;
constexpr int kResult = 3;
constexpr COLORREF kFixedBack = RGB(200, 210, 220);

// The node grid of the plug-in's grid dialogs with three named nodes, elevations right-aligned (a
// negative one refused).
class NodesDialog : public CDialog {
public:
    NodesDialog() : CDialog(101) {}
    CGridCtrl& grid() { return *static_cast<CGridCtrl*>(GetDlgItem(kGrid)); }
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        CGridCtrl& nodes = grid();
        rvntest::makeNodeGrid(nodes);
        nodes.SetFixedBkColor(kFixedBack);
        nodes.SetRowHeight(0, 30);
        for (int row = 1; row < 4; ++row) {
            nodes.SetItemText(row, 1, (L"N" + std::to_wstring(row)).c_str());
            nodes.SetItemText(row, kElevation, L"10");
            nodes.SetItemFormat(row, kElevation, DT_RIGHT | DT_VCENTER | DT_SINGLELINE);
        }
        return TRUE;
    }
    BOOL OnNotify(WPARAM, LPARAM lParam, LRESULT* result) override {
        const auto* view = reinterpret_cast<const NM_GRIDVIEW*>(lParam);
        if (view->hdr.code == GVN_ENDLABELEDIT && view->iColumn == kElevation &&
            std::wcstod(grid().GetItemText(view->iRow, view->iColumn).c_str(), nullptr) < 0) {
            ++refusals;
            *result = -1;
        }
        return TRUE;
    }
    int refusals = 0;
};

using GridOnQt = rvngui::test::TemplatesOnQt;

TEST_F(GridOnQt, TheTableShowsTheGridAndItsEditsGoThroughTheGrid) {
    NodesDialog dialog;
    whenShown(dialog, [&dialog](DialogView& view) {
        auto* table = control<QTableView>(view, kGrid);
        ASSERT_NE(table, nullptr);
        CGridCtrl& grid = dialog.grid();
        const QAbstractItemModel& model = *table->model();
        ASSERT_EQ(model.rowCount(), 6);
        ASSERT_EQ(model.columnCount(), 5);
        EXPECT_EQ(shown(*table, 0, kElevation), "Z [ m ]");
        EXPECT_EQ(model.index(0, 1).data(Qt::BackgroundRole).value<QColor>(), QColor(200, 210, 220));
        EXPECT_EQ(model.index(1, 1).data(Qt::BackgroundRole).value<QColor>(), QColor(255, 255, 255));
        EXPECT_EQ(model.index(1, kElevation).data(Qt::TextAlignmentRole).value<Qt::Alignment>(),
                  Qt::AlignRight | Qt::AlignVCenter);
        EXPECT_EQ(table->rowHeight(0), 30);
        EXPECT_FALSE(model.flags(model.index(0, 1)) & Qt::ItemIsEditable);
        EXPECT_FALSE(model.flags(model.index(1, kResult)) & Qt::ItemIsEditable);
        EXPECT_TRUE(model.flags(model.index(1, 1)) & Qt::ItemIsEditable);

        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, table->visualRect(model.index(2, 1)).center());
        EXPECT_EQ(grid.GetFocusCell(), CCellID(2, 1));
        EXPECT_TRUE(grid.IsCellSelected(2, 1));
        EXPECT_TRUE(table->selectionModel()->isSelected(model.index(2, 1)));
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, table->visualRect(model.index(3, 0)).center());
        EXPECT_EQ(grid.GetSelectedCount(), 4);  // a row's number selects its row
        EXPECT_TRUE(table->selectionModel()->isSelected(model.index(3, kResult)));
        EXPECT_FALSE(table->selectionModel()->isSelected(model.index(2, 1)));

        typeInto(*table, 1, kElevation, "12.5");
        EXPECT_EQ(grid.GetItemText(1, kElevation), L"12.5");
        EXPECT_TRUE(grid.GetItemState(1, kElevation) & GVIS_MODIFIED);
        EXPECT_FALSE(grid.IsEditing());

        typeInto(*table, 1, kElevation, "-3");
        EXPECT_EQ(dialog.refusals, 1);
        EXPECT_EQ(grid.GetItemText(1, kElevation), L"12.5");
        EXPECT_EQ(shown(*table, 1, kElevation), "12.5");
        EXPECT_TRUE(grid.IsEditing());  // the owner wants another value
        EXPECT_TRUE(QTest::qWaitFor([table] { return openEditor(*table) != nullptr; }));
        QLineEdit* editor = openEditor(*table);
        ASSERT_NE(editor, nullptr);
        EXPECT_EQ(editor->text(), "12.5");
        QTest::keyClick(editor, Qt::Key_Escape);
        EXPECT_FALSE(grid.IsEditing());
        EXPECT_EQ(shown(*table, 1, kElevation), "12.5");

        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, table->visualRect(model.index(1, kResult)).center());
        QTest::keyClick(table, Qt::Key_F2);
        EXPECT_EQ(openEditor(*table), nullptr);
        EXPECT_FALSE(grid.IsEditing());

        grid.SetItemText(2, 1, L"N9");
        grid.SetItemBkColour(2, 1, RGB(255, 0, 0));
        grid.SetItemFgColour(2, 1, RGB(0, 0, 255));
        EXPECT_EQ(shown(*table, 2, 1), "N9");
        EXPECT_EQ(model.index(2, 1).data(Qt::BackgroundRole).value<QColor>(), QColor(255, 0, 0));
        EXPECT_EQ(model.index(2, 1).data(Qt::ForegroundRole).value<QColor>(), QColor(0, 0, 255));
        const QRect cell = table->visualRect(model.index(2, 1));
        EXPECT_EQ(table->viewport()->grab().toImage().pixelColor(cell.right() - 3, cell.center().y()), QColor(255, 0, 0));
        grid.InsertRow(L"6");
        EXPECT_EQ(model.rowCount(), 7);
        EXPECT_EQ(shown(*table, 6, 0), "6");
        QTest::mouseClick(control<QPushButton>(view, IDOK), Qt::LeftButton);
    });
    ASSERT_EQ(dialog.DoModal(), IDOK);
}

}  // namespace
