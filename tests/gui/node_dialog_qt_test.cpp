// The plug-in's node dialog shown by Qt on its offscreen platform: a person's typing, keys and
// clicks on the widgets reach the dialog's handlers, and what the handlers do reaches the widgets.
#include "dialogs/node_attribute_dialog.h"
#include "network_document.h"
#include "network/settings_units.h"
#include "qt_dialog_test.h"

#include <QImage>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

#include <filesystem>

namespace {

// The dialog's picture goes to the folder RVN_PICTURE_DIR names (README's picture is made with
// RVN_PICTURE_DIR=docs/images), else to the temporary folder, so a test run leaves the tree alone.
QString picturePath() {
    const QByteArray folder = qgetenv("RVN_PICTURE_DIR");
    const QString base = folder.isEmpty() ? QString::fromStdString(std::filesystem::temp_directory_path().string())
                                          : QString::fromLocal8Bit(folder);
    return base + "/node-dialog.png";
}

using rvngui::DialogView;
using rvngui::test::control;
using rvngui::test::whenShown;
using rvnhost::Transcript;

class NodeDialogOnQt : public rvntest::NetworkDocumentTest {
protected:
    void SetUp() override {
        TzRvnSettings settings;
        settings.flowUnit = kFlowLitresPerSecond;
        openNetworkDocument(settings);
    }

    rvngui::QtPresentation presentation_;
};

TEST_F(NodeDialogOnQt, TypingAndClickingInTheWidgetsFillsTheNodeAndOkAcceptsIt) {
    TzRvnNodeAttributeDlg dialog(nullptr, 0, false);
    dialog.symbol = L"A";
    dialog.name = L"-";
    dialog.elevation = 12.5;
    whenShown(dialog, [](DialogView& view) {
        EXPECT_EQ(view.windowTitle(), "Inserimento NODO");
        EXPECT_EQ(control<QLabel>(view, 9022)->text(), "[ l/s ]");
        QStringList labels;  // the labels share the id -1
        for (const QLabel* label : view.findChildren<QLabel*>(QString::number(IDC_STATIC))) labels << label->text();
        EXPECT_EQ(labels, QStringList({"Simbolo", "Nome/Numero", "Portata", "Quota", "[ m ]", "Descrizione"}));
        EXPECT_EQ(control<QLineEdit>(view, 9025)->text(), "12.5");
        auto* symbol = control<QLineEdit>(view, 9027);
        auto* name = control<QLineEdit>(view, 9023);
        auto* flow = control<QLineEdit>(view, 9024);
        auto* elevation = control<QLineEdit>(view, 9025);
        auto* description = control<QLineEdit>(view, 9026);
        ASSERT_EQ(QApplication::focusWidget(), symbol);
        // Enter moves to the name, selected whole, as the dialog's Enter cycle says.
        QTest::keyClick(symbol, Qt::Key_Return);
        ASSERT_EQ(QApplication::focusWidget(), name);
        EXPECT_EQ(name->selectedText(), "-");
        QTest::keyClicks(name, "Nodo-di-testa-lungo");
        EXPECT_EQ(name->text(), "Nodo-di-testa-l");
        QTest::keyClick(name, Qt::Key_Return);
        ASSERT_EQ(QApplication::focusWidget(), flow);
        QTest::keyClicks(flow, "2.5");
        QTest::keyClick(flow, Qt::Key_Tab);
        ASSERT_EQ(QApplication::focusWidget(), elevation);
        QTest::keyClicks(elevation, "30");
        QTest::mouseClick(description, Qt::LeftButton);
        QTest::keyClicks(description, "presa");
        const QString picture = picturePath();
        ASSERT_TRUE(view.grab().save(picture));
        EXPECT_EQ(QImage(picture).size(), view.size() * view.devicePixelRatio());
        QTest::mouseClick(control<QPushButton>(view, IDOK), Qt::LeftButton);
    });
    ASSERT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.symbol, L"A");
    EXPECT_EQ(dialog.name, L"Nodo-di-testa-l");
    EXPECT_EQ(dialog.flow, 2.5);
    EXPECT_EQ(dialog.elevation, 30.0);
    EXPECT_EQ(dialog.description, L"presa");
    EXPECT_TRUE(Transcript::instance().contains(L"Dialog \"Inserimento NODO\" (9068) closed with OK"));
}

TEST_F(NodeDialogOnQt, ARefusedNameIsSaidInAMessageBoxAndTheFieldGetsItsValueAndTheFocusBack) {
    currentDocState()->addNodeName(L"N1");
    TzRvnNodeAttributeDlg dialog(nullptr, 1, true);
    dialog.name = L"N7";
    dialog.elevation = 4.0;
    QString said;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    whenShown(dialog, [&said, &icon](DialogView& view) {
        EXPECT_EQ(view.windowTitle(), "Modifica NODO");
        CWnd* field = view.dialog().GetDlgItem(9026);  // what a handler may do to a control shows at once
        field->EnableWindow(FALSE);
        EXPECT_FALSE(control<QLineEdit>(view, 9026)->isEnabled());
        field->EnableWindow(TRUE);
        field->SetWindowText(L"nota");
        EXPECT_EQ(control<QLineEdit>(view, 9026)->text(), "nota");
        auto* name = control<QLineEdit>(view, 9023);
        auto* elevation = control<QLineEdit>(view, 9025);
        EXPECT_TRUE(elevation->isReadOnly());
        QTest::mouseClick(name, Qt::LeftButton);
        QTest::keyClick(name, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(name, "N1");
        QTimer::singleShot(0, [&said, &icon] {
            auto* box = dynamic_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            said = box->windowTitle() + ": " + box->text();
            icon = box->icon();
            box->button(QMessageBox::Ok)->click();
        });
        QTest::keyClick(name, Qt::Key_Tab);
        EXPECT_EQ(name->text(), "N7");
        EXPECT_EQ(view.focusWidget(), name);
        EXPECT_EQ(name->selectedText(), "N7");
        QTest::keyClick(name, Qt::Key_Escape);
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(said, "AutoCAD: Nome/Numero ESISTENTE: modificarlo!");
    EXPECT_EQ(icon, QMessageBox::Warning);
    EXPECT_EQ(dialog.name, L"N7");
    EXPECT_EQ(dialog.elevation, 4.0);
}

}  // namespace
