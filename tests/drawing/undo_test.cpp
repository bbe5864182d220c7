// Undo of commands: each command run through the command stack is one step; undoing it restores
// the objects it changed through their filing, erases what it created, brings back what it erased
// and resets the drawing's header values.
#include <gtest/gtest.h>

#include "aced.h"
#include "dbdict.h"
#include "dbsymtb.h"
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

void changeMarker() {
    OpenedObject<RvnTestMarker> marker(current->marker, AcDb::kForWrite);
    marker->label = L"cambiato";
    marker->value = -1.0;
}

void createMarker() { created = addMarker(current->dictionary, L"Nuovo", L"creato", 3.0); }

void eraseMarker() {
    OpenedObject<AcDbObject> marker(current->marker, AcDb::kForWrite);
    marker->erase();
}

void eraseDictionary() {
    OpenedObject<AcDbObject> dictionary(current->dictionary, AcDb::kForWrite);
    dictionary->erase();
}

void changeHeader() {
    AcDbDatabase* database = current->database.get();
    AcDbLayerTable* layers = nullptr;
    database->getSymbolTable(layers, AcDb::kForRead);
    AcDbObjectId zero;
    OpenedObject<AcDbLayerTable>(layers)->getAt(L"0", zero);
    database->setClayer(zero);
    database->setLuprec(2);
    database->setTextsize(1.5);
}

void readMarkerOnly() { OpenedObject<RvnTestMarker> marker(current->marker, AcDb::kForRead); }

class CommandUndo : public OpenObjectCheckedTest {
protected:
    void SetUp() override {
        sample = makeSampleDrawing();
        current = &sample;
        working = std::make_unique<WorkingDatabase>(sample.database.get());
        acedRegCmds->addCommand(kGroup, L"CAMBIA", L"CAMBIA", ACRX_CMD_MODAL, changeMarker);
        acedRegCmds->addCommand(kGroup, L"CREA", L"CREA", ACRX_CMD_MODAL, createMarker);
        acedRegCmds->addCommand(kGroup, L"CANCELLA", L"CANCELLA", ACRX_CMD_MODAL, eraseMarker);
        acedRegCmds->addCommand(kGroup, L"SVUOTA", L"SVUOTA", ACRX_CMD_MODAL, eraseDictionary);
        acedRegCmds->addCommand(kGroup, L"TESTATA", L"TESTATA", ACRX_CMD_MODAL, changeHeader);
        acedRegCmds->addCommand(kGroup, L"LEGGI", L"LEGGI", ACRX_CMD_MODAL, readMarkerOnly);
        acedRegCmds->addCommand(kGroup, L"SENZAUNDO", L"SENZAUNDO", ACRX_CMD_NO_UNDO_MARKER, changeMarker);
    }
    void TearDown() override {
        acedRegCmds->removeGroup(kGroup);
        working.reset();
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

    SampleDrawing sample;
    std::unique_ptr<WorkingDatabase> working;
};

TEST_F(CommandUndo, BringsBackWhatTheCommandErased) {
    ASSERT_EQ(Acad::eOk, acedRegCmds->invoke(L"CANCELLA"));
    ASSERT_TRUE(sample.marker.isErased());
    undo();
    EXPECT_FALSE(sample.marker.isErased());
    EXPECT_EQ(kSampleLabel, marker().first);

    ASSERT_EQ(Acad::eOk, acedRegCmds->invoke(L"SVUOTA"));
    ASSERT_TRUE(sample.marker.isErased()) << "erasing a dictionary erases what it owns";
    undo();
    EXPECT_FALSE(sample.dictionary.isErased());
    EXPECT_FALSE(sample.marker.isErased());
    EXPECT_TRUE(inDictionary(kSampleMarkerKey));
}

// Changes are restored through the objects' filing; what a command created is erased.
TEST_F(CommandUndo, UndoesCommandsOneByOneFromTheLast) {
    int before = rvnhost::undoableCommands(sample.database.get());
    acedRegCmds->invoke(L"CAMBIA");
    acedRegCmds->invoke(L"LEGGI");
    acedRegCmds->invoke(L"CREA");
    ASSERT_TRUE(inDictionary(L"Nuovo"));
    EXPECT_EQ(before + 3, rvnhost::undoableCommands(sample.database.get()));
    EXPECT_EQ(L"CREA", undo());
    EXPECT_TRUE(created.isErased());
    EXPECT_FALSE(inDictionary(L"Nuovo"));
    EXPECT_TRUE(inDictionary(kSampleMarkerKey));
    EXPECT_EQ(L"cambiato", marker().first);
    EXPECT_EQ(L"LEGGI", undo());
    EXPECT_EQ(L"cambiato", marker().first);
    EXPECT_EQ(L"CAMBIA", undo());
    EXPECT_EQ(std::make_pair(std::wstring(kSampleLabel), 12.5), marker());
    EXPECT_EQ(before, rvnhost::undoableCommands(sample.database.get()));

    ASSERT_EQ(Acad::eOk, acedRegCmds->invoke(L"TESTATA"));
    ASSERT_NE(sample.layer, sample.database->clayer());
    EXPECT_EQ(L"TESTATA", undo());
    EXPECT_EQ(sample.layer, sample.database->clayer()) << "header values are restored too";
    EXPECT_EQ(6, sample.database->luprec());
    EXPECT_EQ(0.35, sample.database->textsize());
}

TEST_F(CommandUndo, RefusesWhileAChangedObjectIsOpenAndRecordsNothingForCommandsWithoutAMark) {
    std::wstring none;
    EXPECT_EQ(Acad::eNotApplicable, rvnhost::undoLastCommand(sample.database.get(), none));
    ASSERT_EQ(Acad::eOk, acedRegCmds->invoke(L"CAMBIA"));
    {
        OpenedObject<RvnTestMarker> open(sample.marker, AcDb::kForRead);
        std::wstring name;
        EXPECT_EQ(Acad::eWasOpenedForWrite, rvnhost::undoLastCommand(sample.database.get(), name));
    }
    EXPECT_EQ(L"cambiato", marker().first);
    EXPECT_EQ(L"CAMBIA", undo());
    EXPECT_EQ(kSampleLabel, marker().first);
    ASSERT_EQ(Acad::eOk, acedRegCmds->invoke(L"SENZAUNDO"));
    EXPECT_EQ(Acad::eNotApplicable, rvnhost::undoLastCommand(sample.database.get(), none));
    EXPECT_EQ(L"cambiato", marker().first);
}

}  // namespace
