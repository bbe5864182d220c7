// The network database dialog "Dati Rete", opened by CalcRet: the hub of the data work on the
// networks of the working drawing. It chooses a network (from the list, by typing a new name, or
// by picking its schema in the drawing), opens the grid window, the settings, imports a Portavia
// file, runs the calculation and shows a summary of the chosen network. Networks are opened for
// one action and closed before it ends.
#pragma once

#include "afx_dialog.h"
#include "dbid.h"
#include "dialogs/grid_window.h"

#include <memory>
#include <string>

class TzRvnNetwork;

class TzRvnDatiReteDlg : public CDialog, private TzRvnGridWindowHost {
public:
    // With a preselected network the opening checks it and shows its summary; a program folder
    // given (a fresh instance's) is used as it is, else it is read from the drawing's session.
    explicit TzRvnDatiReteDlg(CWnd* parent, AcDbObjectId preselected = AcDbObjectId::kNull,
                              std::wstring programFolder = {});
    ~TzRvnDatiReteDlg() override;

    AcDbObjectId selectedNetwork() const { return selected_; }

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    // What the grid window asks of the dialog (network_database_records.cpp).
    CWnd* hostWindow() override { return this; }
    const std::wstring& programFolder() const override { return programFolder_; }
    AcDbObjectId chosenNetwork() const override { return selected_; }
    std::wstring typedNetworkName() const override { return TypedName(); }
    void networkCreated(AcDbObjectId id, const std::wstring& name) override;
    void showSummary(const TzRvnNetwork& network) override { ShowSummary(network); }
    void calculate() override { OnCalculate(); }
    void gridWindowClosed() override;

    // Opening and the network list (network_database_dialog.cpp).
    bool ShowPreselected();
    void RefillNetworkNames();
    void OnNetworkChosen();
    bool OfferToSaveTyped();
    void OnGridWindow();
    void OnSettings();
    void OnNew();
    bool SaveIntoSelected();
    // Shared by the handlers (network_database_records.cpp).
    bool CreateTypedNetwork(const std::wstring& name);
    bool SaveGrids(TzRvnNetwork& network);
    bool CheckToReport(TzRvnNetwork& network, std::wstring& reportPath, bool& passed);
    bool GridWindowOpen() const;
    int NodeRows() const;
    std::wstring TypedName() const;
    void SelectName(const std::wstring& name);
    void SetGridTitle(const std::wstring& networkName);
    void ShowSummary(const TzRvnNetwork& network);
    void ShowCounts(int nodes, int edges, int tanks);
    void ShowHeads(const std::wstring& highest, const std::wstring& lowest);
    void Say(const std::wstring& text, UINT icon) const;
    bool Ask(const std::wstring& text) const;
    std::wstring CheckFailedQuestion(const std::wstring& reportPath) const;
    // The calculation run (network_database_calculation.cpp).
    void OnCalculate();
    bool CalculationSource(AcDbObjectId& id, bool& fromGrids);
    // The import of a Portavia file (network_database_import.cpp).
    void OnImport();
    // The pick of a network in the drawing (network_database_pick.cpp).
    void OnPickSchema();

    AcDbObjectId preselected_;
    AcDbObjectId selected_;
    std::wstring programFolder_;
    std::unique_ptr<TzRvnGridWindow> grids_;
    bool firstUse_ = true;
    std::wstring typed_;        // the name last typed in the list's field
    std::wstring saveFailure_;  // the last message of SaveGrids
};
