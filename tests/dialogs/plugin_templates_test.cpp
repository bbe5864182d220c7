// The plug-in's own dialog templates, as the built module carries them.
#include "afx_resources.h"
#include "message_box.h"
#include "module_loader.h"
#include "module_resources.h"
#include "win_styles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>
#include <string>

namespace {

// The ids of the template's controls that pass the test.
template <class Test>
std::set<int> controlsWhere(const rvnhost::DialogTemplate& dialog, Test test) {
    std::set<int> found;
    for (const auto& control : dialog.controls) {
        if (test(control)) found.insert(control.id);
    }
    return found;
}

std::set<int> controlsOf(const rvnhost::DialogTemplate& dialog, const wchar_t* className) {
    return controlsWhere(dialog, [className](const auto& control) { return control.className == className; });
}

bool isPushButton(const rvnhost::ControlTemplate& control) {
    const DWORD type = control.style & BS_TYPEMASK;
    return control.className == L"BUTTON" && (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON);
}

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

    // The template's fields (edit controls) and whether each has a label just before it; its caption
    // is what the dialog's record shows (tests/elements, tests/database, tests/profiles).
    static void expectFields(int id, const std::set<int>& fields, const std::set<int>& readOnly,
                             const std::set<int>& pushButtons = {1, 2, 9084}) {
        const auto dialog = rvnhost::findDialogTemplate(id);
        ASSERT_TRUE(dialog) << id;
        EXPECT_EQ(controlsOf(*dialog, L"EDIT"), fields);
        const auto readOnlyField = [](const auto& control) {
            return control.className == L"EDIT" && (control.style & ES_READONLY) != 0;
        };
        EXPECT_EQ(controlsWhere(*dialog, readOnlyField), readOnly);
        EXPECT_EQ(controlsWhere(*dialog, isPushButton), pushButtons);
        for (std::size_t i = 0; i < dialog->controls.size(); ++i) {
            if (dialog->controls[i].className != L"EDIT") continue;
            EXPECT_TRUE(i > 0 && dialog->controls[i - 1].className == L"STATIC") << "field " << dialog->controls[i].id;
        }
    }

    HMODULE module_ = nullptr;
};

bool overlap(const rvnhost::DialogUnits& a, const rvnhost::DialogUnits& b) {
    return a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height && b.y < a.y + a.height;
}

bool inside(const rvnhost::DialogUnits& inner, const rvnhost::DialogUnits& outer) {
    return inner.x >= outer.x && inner.y >= outer.y && inner.x + inner.width <= outer.x + outer.width &&
           inner.y + inner.height <= outer.y + outer.height;
}

bool isGroupBox(const rvnhost::ControlTemplate& control) {
    return control.className == L"BUTTON" && (control.style & BS_TYPEMASK) == BS_GROUPBOX;
}

// The height a control covers when closed: a drop-down list's template height includes its list.
rvnhost::DialogUnits closedPlace(const rvnhost::ControlTemplate& control) {
    rvnhost::DialogUnits place = control.place;
    if (control.className == L"COMBOBOX") place.height = 12;
    return place;
}

// Every control lies in the dialog, and none but the group boxes overlaps another.
void expectInsideAndApart(const rvnhost::DialogTemplate& dialog) {
    for (std::size_t i = 0; i < dialog.controls.size(); ++i) {
        const auto& control = dialog.controls[i];
        const rvnhost::DialogUnits place = closedPlace(control);
        EXPECT_TRUE(inside(place, {0, 0, dialog.place.width, dialog.place.height})) << control.id;
        for (std::size_t j = i + 1; j < dialog.controls.size() && !isGroupBox(control); ++j) {
            const auto& other = dialog.controls[j];
            EXPECT_TRUE(isGroupBox(other) || !overlap(place, closedPlace(other))) << control.id << " and " << other.id;
        }
    }
}

// Every control lies in the dialog apart from the others and, except the push buttons outside the
// groups, in exactly one group box; OK and help end the lowest row on the right, and the right
// margin equals the left one.
void expectGroupedLayout(int id, std::size_t groupCount, const std::set<int>& outside) {
    const auto dialog = rvnhost::findDialogTemplate(id);
    ASSERT_TRUE(dialog);
    expectInsideAndApart(*dialog);
    std::vector<rvnhost::DialogUnits> groups;
    for (const auto& control : dialog->controls) {
        if (isGroupBox(control)) groups.push_back(control.place);
    }
    EXPECT_EQ(groups.size(), groupCount);
    int lowest = 0;
    int rightmost = 0;
    for (const auto& control : dialog->controls) {
        const rvnhost::DialogUnits place = closedPlace(control);
        lowest = std::max(lowest, place.y + place.height);
        rightmost = std::max(rightmost, place.x + place.width);
        if (isGroupBox(control) || outside.count(control.id)) continue;
        const auto holding = [&place](const rvnhost::DialogUnits& group) { return inside(place, group); };
        EXPECT_EQ(std::count_if(groups.begin(), groups.end(), holding), 1) << "control " << control.id << " in one group";
    }
    for (int button : {IDOK, 9084}) {
        const auto found = std::find_if(dialog->controls.begin(), dialog->controls.end(),
                                        [button](const auto& control) { return control.id == button; });
        ASSERT_NE(found, dialog->controls.end());
        EXPECT_EQ(found->place.y + found->place.height, lowest) << button << " at the bottom";
        EXPECT_GT(found->place.x, dialog->place.width / 2) << button << " on the right";
    }
    EXPECT_EQ(rightmost, dialog->place.width - 7);  // a margin of 7 units, as on the left
}

TEST_F(PluginResources, TheSettingsDialogIsLaidOutInGroupsWithItsButtonsBottomRight) {
    expectFields(9065, {9022, 9023, 9024, 9025, 9026, 9027, 9028, 9029, 9030, 9031, 9032}, {9022, 9023}, {1, 9009, 9084});
    EXPECT_EQ(controlsOf(*rvnhost::findDialogTemplate(9065), L"COMBOBOX"),
              (std::set<int>{9016, 9017, 9018, 9019, 9020, 9021}));
    expectGroupedLayout(9065, 5, {IDOK, 9084});
}

TEST_F(PluginResources, TheNetworkDatabaseDialogHasItsThreeFramesAndAnEditableSortedList) {
    expectFields(9060, {9025, 9026, 9027, 9028, 9029}, {9025, 9026, 9027, 9028, 9029},
                 {1, 9001, 9002, 9003, 9004, 9007, 9008, 9084});
    const auto dialog = rvnhost::findDialogTemplate(9060);
    EXPECT_EQ(controlsOf(*dialog, L"COMBOBOX"), std::set<int>{9016});
    const auto list = std::find_if(dialog->controls.begin(), dialog->controls.end(),
                                   [](const auto& control) { return control.id == 9016; });
    EXPECT_EQ(list->style & CBS_TYPEMASK, CBS_DROPDOWN);  // a new network's name is typed in it
    EXPECT_TRUE(list->style & CBS_SORT);
    expectGroupedLayout(9060, 3, {IDOK, 9084});
}

TEST_F(PluginResources, TheProfileDialogHasItsThreeGridsReadOnlyFiguresAndCommands) {
    expectFields(9071, {9022, 9036, 9037}, {9022, 9036, 9037}, {1, 9054, 9055, 9056, 9084});
    const auto dialog = rvnhost::findDialogTemplate(9071);
    ASSERT_TRUE(dialog);
    expectInsideAndApart(*dialog);
    EXPECT_EQ(controlsOf(*dialog, L"MFCGRIDCTRL"), (std::set<int>{9043, 9044, 9045}));
}

}  // namespace
