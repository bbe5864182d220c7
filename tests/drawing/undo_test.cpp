// Undo of commands: each command run through the command stack is one step.
#include <gtest/gtest.h>

#include "aced.h"
#include "dbdict.h"
#include "drawing_samples.h"
#include "editor_open_object.h"
#include "open_object_guard.h"
#include "test_marker.h"
#include "undo_history.h"
#include "working_database.h"

namespace {

using rvnhost::OpenedObject;
using namespace rvntest;

constexpr wchar_t kGroup[] = L"RVN_UNDO_TEST";

// What the test commands work on.
SampleDrawing* current = nullptr;
AcDbObjectId created;

// Changes the marker and the drawing's header values.
void changeMarkerAndHeader() {
    OpenedObject<RvnTestMarker> marker(current->marker, AcDb::kForWrite);
    marker->label = L"cambiato";
    marker->value = -1.0;
    current->database->setLuprec(2);
    current->database->setTextsize(1.5);
}

// Puts a new marker in place of the sample's.
void replaceMarker() {
    created = addMarker(current->dictionary, L"Nuovo", L"creato", 3.0);
    OpenedObject<AcDbObject> marker(current->marker, AcDb::kForWrite);
    marker->erase();
}

class CommandUndo : public OpenObjectCheckedTest {
protected:
    void SetUp() override {
        current = &sample;
        acedRegCmds->addCommand(kGroup, L"CAMBIA", L"CAMBIA", ACRX_CMD_MODAL, changeMarkerAndHeader);
        acedRegCmds->addCommand(kGroup, L"SOSTITUISCI", L"SOSTITUISCI", ACRX_CMD_MODAL, replaceMarker);
    }
    void TearDown() override {
        acedRegCmds->removeGroup(kGroup);
        current = nullptr;
        OpenObjectCheckedTest::TearDown();
    }

    std::wstring undo() {
        std::wstring name;
        EXPECT_EQ(Acad::eOk, rvnhost::undoLastCommand(sample.database.get(), name));
        return name;
    }

    std::pair<std::wstring, double> marker() {
        OpenedObject<RvnTestMarker> opened(sample.marker, AcDb::kForRead);
        if (!opened) return {L"(" + std::to_wstring(opened.status()) + L")", 0.0};
        return {opened->label, opened->value};
    }

    bool inDictionary(const wchar_t* key) {
        OpenedObject<AcDbDictionary> dictionary(sample.dictionary, AcDb::kForRead);
        return dictionary && dictionary->has(key);
    }

    SampleDrawing sample = makeSampleDrawing();
    WorkingDatabase working{sample.database.get()};
};

// Undo is the stand-in's own: one test. Changes come back through the objects' filing, what a
// command created is erased, what it erased comes back and so do the header values, one command at
// a time from the last.
TEST_F(CommandUndo, UndoesCommandsOneByOneFromTheLast) {
    const int before = rvnhost::undoableCommands(sample.database.get());
    acedRegCmds->invoke(L"CAMBIA");
    acedRegCmds->invoke(L"SOSTITUISCI");
    ASSERT_TRUE(sample.marker.isErased());
    EXPECT_EQ(before + 2, rvnhost::undoableCommands(sample.database.get()));
    EXPECT_EQ(L"SOSTITUISCI", undo());
    EXPECT_FALSE(sample.marker.isErased());
    EXPECT_TRUE(created.isErased());
    EXPECT_FALSE(inDictionary(L"Nuovo"));
    EXPECT_EQ(L"cambiato", marker().first);
    EXPECT_EQ(L"CAMBIA", undo());
    EXPECT_EQ(std::make_pair(std::wstring(kSampleLabel), 12.5), marker());
    EXPECT_EQ(std::pair(6, 0.35), (std::pair<int, double>(sample.database->luprec(), sample.database->textsize())));
    EXPECT_EQ(before, rvnhost::undoableCommands(sample.database.get()));
}

}  // namespace
