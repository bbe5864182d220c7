// A fixture for the dialogs over a program folder: the plug-in's templates embedded in the test
// program as the current resources, a plug-in folder of the test's own (where the help file lies),
// a program folder holding the installed settings file, a material list of two materials, and a
// drawing that may hold the network "rete".
#pragma once

#include "afx_resources.h"
#include "dialogs/settings_dialog.h"
#include "host/open_object.h"
#include "input_queue.h"
#include "netobj/network_class.h"
#include "netobj/network_dictionary.h"
#include "network/materials.h"
#include "network/settings_file.h"
#include "open_object_guard.h"
#include "../frame/plugin_folder.h"
#include "test_files.h"
#include "text_codec.h"
#include "transcript.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace rvntest {

inline const std::filesystem::path kExamples = std::filesystem::path(RVN_SOURCE_DIR) / "examples";
inline const std::vector<CMateriale> kTwoMaterials{{L"PVC", 0.0000015}, {L"Ghisa", 0.0015}};

// The dialog shown with the actions queued, every one of them taken and no more asked for.
template <class Dialog>
INT_PTR play(Dialog& dialog, std::vector<std::wstring> actions) {
    QueuedInput input(std::move(actions));
    const INT_PTR result = dialog.DoModal();
    EXPECT_FALSE(input.ranOut());
    EXPECT_EQ(input.remaining(), 0u);
    return result;
}

class ProgramFolderDialogTest : public OpenObjectCheckedTest {
protected:
    void SetUp() override {
        RegisterNetworkClass();
        ASSERT_TRUE(plugin_.ready());
        AfxSetResourceHandle(GetModuleHandleW(nullptr));
        std::filesystem::copy_file(kExamples / "rvnsetup.par", settingsFile());
        savedMaterials_ = MaterialList();
        MaterialList() = kTwoMaterials;
        rvnhost::Transcript::instance().clear();
    }
    void TearDown() override {
        MaterialList() = savedMaterials_;
        OpenObjectCheckedTest::TearDown();
    }

    std::filesystem::path settingsFile() const { return folder_ / "rvnsetup.par"; }
    std::wstring programFolder() const { return rvnos::fromUtf8(folder_.path().string()) + L"/"; }
    // The settings in a settings file: the installed one, the one written in the program folder.
    static TzRvnSettings settingsIn(const std::filesystem::path& file) {
        TzRvnSettings settings;
        ReadSettingsText(readBytes(file), settings);
        return settings;
    }
    static TzRvnSettings installed() { return settingsIn(kExamples / "rvnsetup.par"); }
    TzRvnSettings written() const { return settingsIn(settingsFile()); }
    // The settings dialog over the program folder, played.
    INT_PTR settingsDialog(std::vector<std::wstring> actions) const {
        TzRvnImpostazioniDlg dialog(nullptr, programFolder());
        return play(dialog, std::move(actions));
    }
    static bool said(const std::wstring& text) { return rvnhost::Transcript::instance().contains(text); }

    // Adds the network "rete" to the drawing, with the settings given.
    void addNetwork(const TzRvnSettings& settings) {
        ASSERT_EQ(Acad::eOk, CreateNetwork(&db_, L"rete", true, network_));
        TzRvnOpenObject<TzRvnNetwork> network(network_, AcDb::kForWrite);
        ASSERT_TRUE(network.isOpen());
        ASSERT_EQ(Acad::eOk, network->setSettings(settings));
    }
    void eraseNetwork() {
        TzRvnOpenObject<TzRvnNetwork> network(network_, AcDb::kForWrite);
        ASSERT_EQ(Acad::eOk, network->erase());
    }

    PluginFolderFixture plugin_;
    ScratchDir folder_;
    std::vector<CMateriale> savedMaterials_;
    AcDbDatabase db_;
    AcDbObjectId network_;
};

}  // namespace rvntest
