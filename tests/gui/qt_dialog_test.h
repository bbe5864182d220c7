// What the tests of the Qt dialogs share: the application runs on Qt's offscreen platform
// (qt_application.cpp), steps run inside a dialog's modal loop, widgets are found by control id.
#pragma once

#include "dialog_view.h"
#include "qt_presentation.h"

#include <gtest/gtest.h>

#include <QApplication>
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

}  // namespace rvngui::test
