// What the tests of the Qt dialogs share: the application runs on Qt's offscreen platform
// (qt_application.cpp), steps run inside a dialog's modal loop, widgets are found by control id,
// values are typed into a grid's table as a person does.
#pragma once

#include "afx_resources.h"
#include "dialog_view.h"
#include "module_loader.h"
#include "qt_presentation.h"
#include "transcript.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include <functional>

namespace rvngui::test {

// Runs the steps once the dialog's view shows, inside its modal loop. A view the steps leave
// open is closed, so a failing test does not hang.
inline void whenShown(const CDialog& dialog, std::function<void(DialogView&)> steps) {
    QTimer::singleShot(0, [&dialog, steps] {
        DialogView* view = DialogView::showing(dialog);
        ASSERT_NE(view, nullptr);
        view->activateWindow();
        if (QTest::qWaitForWindowActive(view)) steps(*view);
        else ADD_FAILURE() << "the dialog's window never became active";
        if (DialogView::showing(dialog) && view->isVisible()) {
            ADD_FAILURE() << "the dialog was left open";
            view->done(QDialog::Rejected);
        }
    });
}

// The widget of the control with that id (the first, for the labels' shared id).
template <typename Widget>
Widget* control(const DialogView& view, int id) {
    auto* widget = view.findChild<Widget*>(QString::number(id));
    EXPECT_NE(widget, nullptr) << "control " << id;
    return widget;
}

// The table's editor while it is open.
inline QLineEdit* openEditor(const QTableView& table) {
    for (auto* editor : table.viewport()->findChildren<QLineEdit*>()) {
        if (editor->isVisible()) return editor;
    }
    return nullptr;
}

inline QString shown(const QTableView& table, int row, int col) { return table.model()->index(row, col).data().toString(); }

// Opens the table's editor on the cell with F2, types the text over what it holds and presses Enter;
// the view commits and closes its editor once back in its event loop.
inline void typeInto(QTableView& table, int row, int col, const QString& text) {
    QTest::mouseClick(table.viewport(), Qt::LeftButton, {}, table.visualRect(table.model()->index(row, col)).center());
    QTest::keyClick(&table, Qt::Key_F2);
    QLineEdit* editor = openEditor(table);
    ASSERT_NE(editor, nullptr) << "no editor opened on " << row << "," << col;
    editor->selectAll();
    QTest::keyClicks(editor, text);
    const QPointer<QLineEdit> typedIn(editor);
    QTest::keyClick(editor, Qt::Key_Return);
    EXPECT_TRUE(QTest::qWaitFor([&typedIn] { return typedIn.isNull() || !typedIn->isVisible(); }));
}

// Dialogs shown by Qt from the test module's templates (GuiTestTemplates.so), its resources in
// force for the test, the transcript empty at its start.
class TemplatesOnQt : public ::testing::Test {
protected:
    void SetUp() override {
        module_ = LoadLibraryW(L"" RVN_BIN_DIR "/GuiTestTemplates.so");
        ASSERT_NE(module_, nullptr);
        previous_ = AfxGetResourceHandle();
        AfxSetResourceHandle(module_);
        rvnhost::Transcript::instance().clear();
    }
    void TearDown() override {
        AfxSetResourceHandle(previous_);
        if (module_) FreeLibrary(module_);
    }

    HMODULE module_ = nullptr;
    HINSTANCE previous_ = nullptr;
    rvngui::QtPresentation presentation_;
};

}  // namespace rvngui::test
