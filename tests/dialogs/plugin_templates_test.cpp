// The plug-in's own dialog templates, as the built module carries them.
#include "afx_resources.h"
#include "module_loader.h"
#include "module_resources.h"
#include "win_styles.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

// Makes the module the current resource module while a test runs, then puts the program back.
class PluginResources : public ::testing::Test {
protected:
    void SetUp() override {
        module_ = LoadLibraryW(RVN_BIN_DIR L"/Rivanta.arx");
        ASSERT_NE(module_, nullptr);
        AfxSetResourceHandle(module_);
    }
    void TearDown() override {
        AfxSetResourceHandle(GetModuleHandleW(nullptr));
        if (module_) FreeLibrary(module_);
    }

    // The template's fields (edit controls) and whether each has a label just before it.
    static void expectFields(int id, const wchar_t* caption, const std::set<int>& fields, const std::set<int>& readOnly) {
        const auto dialog = rvnhost::findDialogTemplate(id);
        ASSERT_TRUE(dialog) << id;
        EXPECT_EQ(dialog->caption, caption);
        std::set<int> found;
        std::set<int> foundReadOnly;
        for (std::size_t i = 0; i < dialog->controls.size(); ++i) {
            const auto& control = dialog->controls[i];
            if (control.className != L"EDIT") continue;
            found.insert(control.id);
            if (control.style & ES_READONLY) foundReadOnly.insert(control.id);
            EXPECT_TRUE(i > 0 && dialog->controls[i - 1].className == L"STATIC") << "field " << control.id;
        }
        EXPECT_EQ(found, fields);
        EXPECT_EQ(foundReadOnly, readOnly);
        std::set<int> buttons;
        for (const auto& control : dialog->controls) {
            if (control.className == L"BUTTON") buttons.insert(control.id);
        }
        EXPECT_EQ(buttons, (std::set<int>{1, 2, 9084}));
    }

    HMODULE module_ = nullptr;
};

TEST_F(PluginResources, TheElementDialogsHaveTheirFields) {
    expectFields(9068, L"Inserimento NODO", {9023, 9024, 9025, 9026, 9027}, {});
    expectFields(9069, L"Inserimento SERBATOIO", {9022, 9023, 9024, 9025}, {9022});
    expectFields(9070, L"Inserimento TUBAZIONE", {9025, 9026, 9027, 9028, 9029}, {9025});
}

}  // namespace
