// A drawing of the tests' own, made the working drawing, with the examples folder as the program
// folder and helpers that draw a schema into it. Every test checks that it left no object open.
#pragma once

#include <gtest/gtest.h>

#include "acdocman.h"
#include "acedads.h"
#include "frame/document_states.h"
#include "input_queue.h"
#include "acutads.h"
#include "dbblkref.h"
#include "dbsymtb.h"
#include "host/open_object.h"
#include "lisp_symbols.h"
#include "netobj/network_class.h"
#include "open_object_guard.h"
#include "schema/block_attributes.h"
#include "schema/model_space.h"
#include "schema/open_attribute.h"
#include "schema/real_text.h"
#include "schema/schema_blocks.h"
#include "schema/schema_entities.h"
#include "schema/schema_layers.h"
#include "text_codec.h"
#include "transcript.h"
#include "working_database.h"

#include <memory>
#include <string>
#include <vector>

namespace schematest {

inline const std::wstring kExamplesFolder = rvnos::fromUtf8(RVN_SOURCE_DIR) + L"/examples/";
inline const std::wstring kLayer = L"TZ-RV-rete";

class SchemaTest : public rvntest::OpenObjectCheckedTest {
protected:
    void SetUp() override {
        RegisterNetworkClass();
        rvnhost::putLispString(L"tz-cpath", kExamplesFolder);
        rvnhost::Transcript::instance().clear();
    }
    static void unsetProgramFolder() { putNil(L"tz-cpath"); }
    // Gives the LISP symbol the value of the list, which it then releases.
    static void put(const wchar_t* name, resbuf* value) {
        acedPutSym(name, value);
        acutRelRb(value);
    }
    static void putNil(const wchar_t* name) { put(name, acutBuildList(RTNIL, 0)); }
    static void putReal(const wchar_t* name, double value) { put(name, acutBuildList(RTREAL, value, 0)); }

    // Runs the command (times over) with the answers queued; false when it asked for more.
    static bool play(void (*command)(), std::vector<std::wstring> answers, int times = 1) {
        rvntest::QueuedInput input(std::move(answers));
        for (int run = 0; run < times; ++run) command();
        return !input.ranOut();
    }

    static std::wstring shown() { return rvnhost::Transcript::instance().textOf(rvnhost::TranscriptKind::CommandLine); }
    // Whether any entry of the transcript holds the text; all the entries, a line each.
    static bool said(const std::wstring& text) { return rvnhost::Transcript::instance().contains(text); }
    static std::wstring all() {
        std::wstring text;
        for (const auto& entry : rvnhost::Transcript::instance().entries()) text += entry.text + L"\n";
        return text;
    }
    // An entity as a script names it when it answers a selection prompt.
    static std::wstring handleOf(AcDbObjectId id) { return L"#" + id.handle().text(); }

    AcDbObjectId modelSpace() {
        AcDbObjectId id;
        EXPECT_EQ(Acad::eOk, ModelSpaceId(&db_, id));
        return id;
    }

    AcDbObjectId layer(const std::wstring& name) {
        AcDbObjectId id;
        EXPECT_EQ(Acad::eOk, GetOrCreateLayer(&db_, name, id));
        return id;
    }

    AcDbObjectId block(const TzRvnSchemaBlock& kind) {
        AcDbObjectId id;
        EXPECT_TRUE(EnsureSchemaBlock(&db_, kind, id)) << rvnos::toUtf8(shown());
        return id;
    }

    // A node reference with its five attributes, at the elevation of its point.
    AcDbObjectId addNode(const std::wstring& name, const AcGePoint3d& at, double demand = 0.0,
                         const std::wstring& note = L"", const std::wstring& onLayer = kLayer) {
        layer(onLayer);
        AcDbObjectId id;
        EXPECT_EQ(Acad::eOk, AppendSchemaReference(&db_, kNodeBlock, block(kNodeBlock), at, 0.0, onLayer,
                                                   {{L"NODE_00", L"A"}, {L"NODE_01", name},
                                                    {L"NODE_02", FormatDrawingReal(demand)},
                                                    {L"NODE_03", FormatDrawingReal(at.z)}, {L"NODE_04", note}},
                                                   id));
        return id;
    }

    // The tagged texts of a block reference's attributes.
    std::vector<TzRvnTaggedText> attributeTexts(AcDbObjectId reference) {
        TzRvnOpenObject<AcDbBlockReference> opened(reference, AcDb::kForRead);
        std::vector<TzRvnTaggedText> texts;
        EXPECT_TRUE(opened.isOpen() && ReadAttributeTexts(*opened, texts));
        return texts;
    }

    // The position of the attribute at that place among the reference's attributes.
    AcGePoint3d attributePosition(AcDbObjectId reference, std::size_t place) {
        TzRvnOpenObject<AcDbBlockReference> opened(reference, AcDb::kForRead);
        const std::vector<AcDbObjectId> ids = AttributeIds(*opened);
        EXPECT_LT(place, ids.size());
        return place < ids.size() ? OpenAttribute(*opened, ids[place], AcDb::kForRead)->position() : AcGePoint3d();
    }

    AcDbObjectId addTank(const AcGePoint3d& at, double head, const std::wstring& onLayer = kLayer) {
        layer(onLayer);
        AcDbObjectId id;
        EXPECT_EQ(Acad::eOk, AppendSchemaReference(&db_, kTankBlock, block(kTankBlock), at, 0.0, onLayer,
                                                   {{L"TANK_00", L"D"}, {L"TANK_01", FormatDrawingReal(head)}},
                                                   id));
        return id;
    }

    // An entity of the test's appended to model space (on a layer of its own when given one) and closed.
    AcDbObjectId append(AcDbEntity* entity, const std::wstring& onLayer = L"") {
        if (!onLayer.empty()) entity->setLayer(layer(onLayer));
        AcDbObjectId id;
        EXPECT_EQ(Acad::eOk, AppendToModelSpace(&db_, entity, id));
        entity->close();
        return id;
    }

    AcDbObjectId addBranch(const std::vector<AcGePoint3d>& points, const TzRvnBranchData& data,
                           const std::wstring& onLayer = kLayer) {
        AcDbObjectId id;
        EXPECT_EQ(Acad::eOk, AppendBranchPolyline(&db_, points, layer(onLayer), data, id));
        return id;
    }

    AcDbDatabase db_;
    rvntest::WorkingDatabase working_{&db_};
};

// The schema drawing under a document of the host, whose state (node names, current network) the
// editing commands keep; the test's drawing stays the working one.
class DocumentSchemaTest : public SchemaTest {
protected:
    void SetUp() override {
        SchemaTest::SetUp();
        acDocManagerPtr()->appContextNewDocument(nullptr);
        StartDocumentStates();
        schemaDrawing_ = std::make_unique<rvntest::WorkingDatabase>(&db_);
    }
    void TearDown() override {
        schemaDrawing_.reset();
        StopDocumentStates();
        AcApDocManager* manager = acDocManagerPtr();
        while (manager->curDocument()) manager->closeDocument(manager->curDocument());
        SchemaTest::TearDown();
    }

    // Model space's live entities of one kind.
    template <class T>
    std::vector<AcDbObjectId> entitiesOf() {
        std::vector<AcDbObjectId> found;
        TzRvnOpenObject<AcDbBlockTableRecord> space(modelSpace(), AcDb::kForRead);
        for (AcDbObjectId id : space->entityIds()) {
            TzRvnOpenObject<T> entity(id, AcDb::kForRead);
            if (entity.isOpen() && !id.isErased()) found.push_back(id);
        }
        return found;
    }

    std::unique_ptr<rvntest::WorkingDatabase> schemaDrawing_;  // the test's drawing again, after the new document
};

}  // namespace schematest
