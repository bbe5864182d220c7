// The grid window "Database Dati Rete" on a drawing of the test's own: either shown by CalcRet's
// dialog, or made alone over a host of the test's that records what the window asks of it.
#pragma once

#include "database_fixture.h"

#include "afx_grid.h"
#include "dialog_input.h"
#include "dialogs/grid_container_dialog.h"
#include "grid_actions.h"
#include "network_builder.h"

namespace gridtest {

class TestHost final : public TzRvnGridWindowHost {
public:
    CWnd* hostWindow() override { return nullptr; }
    const std::wstring& programFolder() const override { return folder; }
    AcDbObjectId chosenNetwork() const override { return chosen; }
    std::wstring typedNetworkName() const override { return {}; }
    void networkCreated(AcDbObjectId id, const std::wstring&) override { chosen = id; }
    void showSummary(const TzRvnNetwork&) override {}
    void calculate() override {}
    void gridWindowClosed() override {}

    std::wstring folder;
    AcDbObjectId chosen;
};

class GridWindowTest : public dbtest::DatabaseTest {
protected:
    void SetUp() override {
        DatabaseTest::SetUp();
        host_.folder = rvnos::fromUtf8(folder_.path().string()) + L"/";
        db_.setLuprec(6);
    }

    // The window made alone and opened on the host's chosen network.
    std::unique_ptr<TzRvnContainerDlg> openWindow() {
        auto window = std::make_unique<TzRvnContainerDlg>(host_);
        EXPECT_TRUE(window->open()) << rvnos::toUtf8(all());
        return window;
    }

    static CGridCtrl& grid(const TzRvnContainerDlg& window, int id) {
        for (int pane = 0; pane < window.stack()->GetPaneCount(); ++pane) {
            if (CGridCtrl* found = rvnhost::asGrid(window.stack()->GetPaneWindow(pane)->GetDlgItem(id))) return *found;
        }
        throw std::runtime_error("no grid " + std::to_string(id));
    }

    // Types a row's cells from column 1 on.
    static void typeRow(CGridCtrl& grid, int row, const std::vector<const wchar_t*>& cells) {
        int col = 1;
        for (const wchar_t* text : cells) grid.SetItemText(row, col++, text);
    }

    // An action on the window as the user does it, with the answers it asks for queued.
    static void act(TzRvnContainerDlg& window, const std::wstring& action, std::vector<std::wstring> answers = {}) {
        rvntest::QueuedInput input(std::move(answers));
        rvnhost::applyDialogAction(window, action);
        EXPECT_FALSE(input.ranOut()) << rvnos::toUtf8(action);
    }

    static TzRvnGridCounts saveInto(TzRvnContainerDlg& window, AcDbObjectId id) {
        TzRvnOpenObject<TzRvnNetwork> network(id, AcDb::kForWrite);
        return window.saveInto(*network);
    }

    TzRvnNetworkData saved(AcDbObjectId id) {
        TzRvnOpenObject<TzRvnNetwork> network(id, AcDb::kForRead);
        TzRvnNetworkData data;
        network->getData(data);
        return data;
    }

    TestHost host_;
};

}  // namespace gridtest
