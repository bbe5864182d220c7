// The network database dialog opened by the command CalcRet on a drawing of the test's own: the
// plug-in's templates are embedded in the program, a scratch program folder holds the installed settings
// and materials, the temporary directory is a scratch folder, and a grid window of the test's own
// can stand in for the real one.
#pragma once

#include "../schema/schema_fixture.h"

#include "afx_resources.h"
#include "dialogs/grid_window.h"
#include "frame/commands.h"
#include "input_queue.h"
#include "module_loader.h"
#include "netobj/network_dictionary.h"
#include "network/materials.h"
#include "test_files.h"

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <optional>

namespace dbtest {

// What the test's grid window holds and what was done to it.
struct GridState {
    bool open = false;
    int rows = 0;
    std::wstring title;
    TzRvnGridCounts result{2, 1, 1};
    TzRvnNetworkData data;  // what a save puts into the network
    int saves = 0;
    int clears = 0;
    int refreshedNodes = -1;
};

class FakeGrids : public TzRvnGridWindow {
public:
    explicit FakeGrids(std::shared_ptr<GridState> state) : state_(std::move(state)) {}
    bool open() override { return state_->open = true; }
    bool isOpen() const override { return state_->open; }
    int nodeRowCount() const override { return state_->rows; }
    void setTitle(const std::wstring& title) override { state_->title = title; }
    TzRvnGridCounts saveInto(TzRvnNetwork& network) override {
        ++state_->saves;
        TzRvnNetworkData* data = network.workingData(AcDb::kForWrite);
        if (data != nullptr && state_->result.nodes >= 0) {
            data->nodes() = state_->data.nodes();
            data->edges() = state_->data.edges();
            data->tanks() = state_->data.tanks();
        }
        return state_->result;
    }
    void refreshFrom(const TzRvnNetwork& network) override {
        state_->refreshedNodes = network.numNodes();
    }
    void refreshTitles() override {}
    void clear() override {
        ++state_->clears;
        state_->rows = 0;
    }

private:
    std::shared_ptr<GridState> state_;
};

class DatabaseTest : public schematest::DocumentSchemaTest {
protected:
    void SetUp() override {
        DocumentSchemaTest::SetUp();
        const std::filesystem::path examples = std::filesystem::path(RVN_SOURCE_DIR) / "examples";
        AfxSetResourceHandle(GetModuleHandleW(nullptr));
        for (const char* file : {"rvnsetup.par", "rvnmateriali.dat"}) {
            std::filesystem::copy_file(examples / file, folder_ / file);
        }
        std::filesystem::copy(examples / "Blocks", folder_ / "Blocks", std::filesystem::copy_options::recursive);
        rvnhost::putLispString(L"tz-cpath", rvnos::fromUtf8(folder_.path().string()) + L"/");
        if (const char* tmp = std::getenv("TMPDIR")) previousTmp_ = tmp;
        setenv("TMPDIR", temp_.path().c_str(), 1);
        savedMaterials_ = MaterialList();
        rvnhost::Transcript::instance().clear();
    }
    void TearDown() override {
        SetGridWindowFactory({});
        MaterialList() = savedMaterials_;
        if (previousTmp_) setenv("TMPDIR", previousTmp_->c_str(), 1);
        else unsetenv("TMPDIR");
        DocumentSchemaTest::TearDown();
    }

    // CalcRet with the actions queued, which leaves no object open as the host checks at the end
    // of a command; false when it asked for more than was queued.
    static bool calcRet(std::vector<std::wstring> actions) {
        rvntest::QueuedInput input(std::move(actions));
        CalcRet();
        rvntest::expectAllObjectsClosed("the end of CalcRet");
        return !input.ranOut();
    }

    // The test's grid window for every "Database Dati Rete" from now on.
    std::shared_ptr<GridState> fakeGrids() {
        auto state = std::make_shared<GridState>();
        SetGridWindowFactory([state](TzRvnGridWindowHost&) { return std::make_unique<FakeGrids>(state); });
        return state;
    }

    AcDbObjectId createNetwork(const std::wstring& name, bool hasSchema = false) {
        AcDbObjectId id;
        EXPECT_EQ(Acad::eOk, CreateNetwork(&db_, name, hasSchema, id)) << rvnos::toUtf8(name);
        return id;
    }

    // A network of the drawing holding data.
    AcDbObjectId addNetwork(const std::wstring& name, TzRvnNetworkData data, bool hasSchema = false) {
        const AcDbObjectId id = createNetwork(name, hasSchema);
        data.setHasSchema(hasSchema);
        *TzRvnOpenObject<TzRvnNetwork>(id, AcDb::kForWrite)->workingData(AcDb::kForWrite) = std::move(data);
        return id;
    }

    // The schema of two nodes, N1 fed by a tank through one pipe to N2, on the layer of "rete";
    // N1's block.
    AcDbObjectId drawSchema() {
        const AcDbObjectId node = addNode(L"N1", {0.0, 0.0, 10.0});
        addNode(L"N2", {50.0, 0.0, 8.0});
        addTank({0.0, 0.0, 10.0}, 30.0);
        addBranch({{0.0, 0.0, 10.0}, {50.0, 0.0, 8.0}}, {50.0, 0.1, 0.0001, 0.0, L""});
        return node;
    }

    std::vector<std::wstring> networks() {
        std::vector<std::wstring> names;
        ListNetworks(&db_, names);
        return names;
    }

    AcDbObjectId network(const std::wstring& name) {
        AcDbObjectId id;
        FindNetwork(&db_, name, id);
        return id;
    }

    std::wstring tempFile(const char* name) const { return rvnos::fromUtf8((temp_ / name).string()); }

    static std::wstring caseFile(const char* name) {
        return rvnos::fromUtf8((rvntest::kSharedCases / name).string());
    }

    rvntest::ScratchDir folder_;
    rvntest::ScratchDir temp_;
    std::optional<std::string> previousTmp_;
    std::vector<CMateriale> savedMaterials_;
};

}  // namespace dbtest
