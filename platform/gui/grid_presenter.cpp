#include "grid_presenter.h"

#include "dialog_view.h"
#include "grid_model.h"

#include <QApplication>
#include <QHeaderView>
#include <QItemSelection>
#include <QKeyEvent>
#include <QTableView>
#include <QTimer>

namespace rvngui {
namespace {

UINT modifiersNow() {
    const Qt::KeyboardModifiers held = QApplication::keyboardModifiers();
    return ((held & Qt::ControlModifier) ? MK_CONTROL : 0u) | ((held & Qt::ShiftModifier) ? MK_SHIFT : 0u);
}

struct GridKey {
    int key;
    UINT gridKey;
    bool control;
};

// The keys the grid acts on itself: Tab, Enter, and with Ctrl select all, copy, cut and paste.
constexpr GridKey kGridKeys[] = {{Qt::Key_Tab, VK_TAB, false},   {Qt::Key_Backtab, VK_TAB, false},
                                 {Qt::Key_Return, VK_RETURN, false}, {Qt::Key_Enter, VK_RETURN, false},
                                 {Qt::Key_A, 'A', true},           {Qt::Key_C, 'C', true},
                                 {Qt::Key_X, 'X', true},           {Qt::Key_V, 'V', true}};

// A table view whose editor opens only where the grid opened its own (the cell editable, the
// owner agreeing), whose editor dropped with Escape drops the grid's edit too, and whose keys
// of the grid go to the grid.
class GridTableView : public QTableView {
public:
    GridTableView(CGridCtrl& grid, DialogView& view) : grid_(grid), view_(view) {}
    using QTableView::edit;
    bool editorOpen() const { return state() == EditingState; }

protected:
    // A key the open editor let through (its Enter, which the editor commits itself) is the view's.
    void keyPressEvent(QKeyEvent* event) override {
        if (editorOpen()) return QTableView::keyPressEvent(event);
        const bool control = event->modifiers() & Qt::ControlModifier;
        for (const GridKey& key : kGridKeys) {
            if (event->key() != key.key || control != key.control) continue;
            const bool shift = event->key() == Qt::Key_Backtab || (event->modifiers() & Qt::ShiftModifier);
            view_.act([this, key, shift, control] { grid_.OnKeyDown(key.gridKey, shift, control); });
            return;
        }
        QTableView::keyPressEvent(event);
    }

    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override {
        const bool opening = trigger == AllEditTriggers || (editTriggers() & trigger);
        if (!index.isValid() || !opening || state() == EditingState) {
            return QTableView::edit(index, trigger, event);
        }
        bool opened = false;
        view_.act([&] {
            grid_.SetFocus();
            opened = grid_.EditCell(index.row(), index.column());
        });
        return opened && QTableView::edit(index, trigger, event);
    }

    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override {
        QTableView::closeEditor(editor, hint);
        if (hint == QAbstractItemDelegate::RevertModelCache) view_.act([this] { grid_.CancelEditing(); });
    }

private:
    CGridCtrl& grid_;
    DialogView& view_;
};

class GridPresenter : public ControlPresenter {
public:
    explicit GridPresenter(const ControlContext& context)
        : grid_(static_cast<CGridCtrl&>(context.control)),
          window_(context.control.GetSafeHwnd()),
          view_(context.view),
          model_(grid_, [&view = context.view](const std::function<void()>& action) { view.act(action); }),
          table_(new GridTableView(grid_, view_)) {
        table_->setModel(&model_);
        table_->horizontalHeader()->hide();
        table_->verticalHeader()->hide();
        table_->setSelectionMode(QAbstractItemView::NoSelection);
        table_->setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
        QObject::connect(table_, &QAbstractItemView::pressed, [this](const QModelIndex& index) {
            const UINT modifiers = modifiersNow();
            view_.act([this, index, modifiers] { grid_.Click(index.row(), index.column(), modifiers); });
        });
        QObject::connect(table_, &QAbstractItemView::doubleClicked, [this](const QModelIndex& index) {
            view_.act([this, index] { grid_.DoubleClick(index.row(), index.column()); });
        });
        grid_.SetObserver([this](GridChange change, int row, int col) { follow(change, row, col); });
        showLayout();
    }

    // The grid outlives its window's presenter unless the window went first.
    ~GridPresenter() override {
        if (CWnd::FromHandle(window_) == &grid_) grid_.SetObserver(nullptr);
        delete table_;
    }

    QWidget* widget() const override { return table_; }
    void refresh() override { showLayout(); }
    // Enter ends the grid's edit and moves to the next cell that can be edited.
    bool takesEnter() const override { return true; }

private:
    void follow(GridChange change, int row, int col) {
        switch (change) {
            case GridChange::Cell: return model_.cellChanged(row, col);
            case GridChange::Layout: return showLayout();
            case GridChange::Focus: return showFocus();
            case GridChange::Selection: return showSelection();
            case GridChange::Editing: return showEditing();
        }
    }

    void showLayout() {
        model_.layoutReset();
        for (int row = 0; row < grid_.GetRowCount(); ++row) table_->setRowHeight(row, grid_.GetRowHeight(row));
        for (int col = 0; col < grid_.GetColumnCount(); ++col) table_->setColumnWidth(col, grid_.GetColumnWidth(col));
        showFocus();
        showSelection();
    }

    void showFocus() {
        const CCellID focus = grid_.GetFocusCell();
        table_->selectionModel()->setCurrentIndex(model_.index(focus.row, focus.col), QItemSelectionModel::NoUpdate);
    }

    void showSelection() {
        QItemSelection selection;
        for (int row = 0; row < grid_.GetRowCount(); ++row) {
            for (int col = 0; col < grid_.GetColumnCount(); ++col) {
                if (grid_.IsCellSelected(row, col)) selection.select(model_.index(row, col), model_.index(row, col));
            }
        }
        table_->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    }

    // A cell the grid edits without the view's editor on it (a double click opened it, or the owner
    // refused the value typed and the cell is edited again) gets the editor once the view is done
    // with the events at hand.
    void showEditing() {
        if (!grid_.IsEditing()) return;
        QTimer::singleShot(0, table_, [this] {
            const CCellID cell = grid_.GetEditCell();
            if (grid_.IsEditing() && !table_->editorOpen()) {
                table_->edit(model_.index(cell.row, cell.col));
            }
        });
    }

    CGridCtrl& grid_;
    HWND window_;
    DialogView& view_;
    GridModel model_;
    GridTableView* table_;
};

}  // namespace

std::unique_ptr<ControlPresenter> presentGrid(const ControlContext& context) {
    return std::make_unique<GridPresenter>(context);
}

}  // namespace rvngui
