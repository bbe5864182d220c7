// A drawing with the schema of a small network "rete" whose heads are calculated (but for the last
// node's), and ProfRet run on it with a test's answers and dialog actions.
//
//   A (0,0,10) --100-- B (100,0,8) --50-- C (100,50,12)     demands 0.5, 1, 1.5 l/s
//                      |
//                     100 (drawn from D to B)
//                      |
//                      D (200,0,5) --100-- E (300,0,4, head not calculated)
#pragma once

#include "../schema/schema_fixture.h"

#include "acutads.h"
#include "afx_resources.h"
#include "db3dpl.h"
#include "dbattr.h"
#include "frame/commands.h"
#include "input_queue.h"
#include "module_loader.h"
#include "netobj/network_dictionary.h"
#include "profiles/profile_list.h"
#include "schema/branch_data.h"
#include "schema/schema_reader.h"
#include "table_records.h"
#include "ucs.h"

#include <sstream>
#include <string>
#include <vector>

namespace profiletest {

inline const AcGePoint3d kA{0.0, 0.0, 10.0};
inline const AcGePoint3d kB{100.0, 0.0, 8.0};
inline const AcGePoint3d kC{100.0, 50.0, 12.0};
inline const AcGePoint3d kD{200.0, 0.0, 5.0};
inline const AcGePoint3d kE{300.0, 0.0, 4.0};

class ProfileTest : public schematest::DocumentSchemaTest {
protected:
    void SetUp() override {
        DocumentSchemaTest::SetUp();
        AfxSetResourceHandle(GetModuleHandleW(nullptr));
        ResetProfiles();
    }
    void TearDown() override {
        ResetProfiles();
        rvnhost::LispSymbols::instance().clear();
        rvnhost::setWorldUcs();
        DocumentSchemaTest::TearDown();
    }

    // The schema of the network and the network itself, its heads as a calculation leaves them;
    // A-B's data may give it a length other than its plan distance.
    void drawNetwork(double lengthAB = 100.0) {
        nodes_ = {addNode(L"A", kA, 0.0005), addNode(L"B", kB, 0.001), addNode(L"C", kC, 0.0015), addNode(L"D", kD),
                  addNode(L"E", kE)};
        addBranch({kA, kB}, {lengthAB, 0.1, 0.0001, 0.5, L""});
        addBranch({kB, kC}, {50.0, 0.08, 0.0002, 1.5, L""});
        addBranch({kD, kB}, {100.0, 0.1, 0.0001, 0.0, L""});
        addBranch({kD, kE}, {100.0, 0.1, 0.0001, 0.0, L""});
        addTank(kA, 40.0);
        ASSERT_EQ(Acad::eOk, CreateNetwork(&db_, L"rete", true, network_));
        TzRvnOpenObject<TzRvnNetwork> network(network_, AcDb::kForWrite);
        ASSERT_TRUE(ReadNetworkFromSchema(*network, &db_, modelSpace(), schematest::kLayer));
        TzRvnNetworkData* data = network->workingData(AcDb::kForWrite);
        ASSERT_EQ(data->nodes().size(), 5u);
        const double heads[] = {30.0, 28.0, 27.0, 26.0, NO_RESULT};
        for (std::size_t i = 0; i < 5; ++i) data->nodes()[i].head = heads[i];
        rvnhost::Transcript::instance().clear();
    }

    // ProfRet with the answers and actions queued; false when it asked for more than was queued.
    static bool profRet(std::vector<std::wstring> actions) {
        rvntest::QueuedInput input(std::move(actions));
        ProfRet();
        rvntest::expectAllObjectsClosed("the end of ProfRet");
        return !input.ranOut();
    }

    // How often the transcript holds the text, over all its entries.
    static int count(const std::wstring& text) {
        const std::wstring whole = all();
        int found = 0;
        for (std::size_t at = whole.find(text); at != std::wstring::npos; at = whole.find(text, at + 1)) ++found;
        return found;
    }

    // The cells of grid id as the last dialog closed with OK left them, title row first, each
    // trimmed.
    static std::vector<std::vector<std::wstring>> gridCells(int id) {
        const std::wstring whole = all();
        std::size_t at = whole.rfind(L"closed with OK");
        if (at != std::wstring::npos) at = whole.find(L"  " + std::to_wstring(id) + L" grid", at);
        std::vector<std::vector<std::wstring>> rows;
        if (at == std::wstring::npos) return rows;
        std::wistringstream lines(whole.substr(whole.find(L'\n', at) + 1));
        for (std::wstring line; std::getline(lines, line) && line.starts_with(L"    ");) {
            if (line.find(L"-+-") != std::wstring::npos) continue;
            std::wistringstream fields(line.substr(4) + L"|");  // the bar closes the last cell, empty or not
            std::vector<std::wstring>& cells = rows.emplace_back();
            for (std::wstring cell; std::getline(fields, cell, L'|');) cells.push_back(trimmed(cell));
        }
        return rows;
    }
    static std::wstring trimmed(const std::wstring& cell) {
        const std::size_t first = cell.find_first_not_of(L' ');
        return first == std::wstring::npos ? L"" : cell.substr(first, cell.find_last_not_of(L' ') + 1 - first);
    }
    // The non-empty cells of a grid row right of its number column.
    static std::vector<std::wstring> rowOf(int id, std::size_t row) {
        const auto cells = gridCells(id);
        std::vector<std::wstring> texts;
        if (row >= cells.size()) return texts;
        for (std::size_t col = 1; col < cells[row].size(); ++col) {
            if (!cells[row][col].empty()) texts.push_back(cells[row][col]);
        }
        return texts;
    }

    // A reference of a block (by default "TZ-RR1") at (100, 30) whose attributes OBJ1 to OBJ6 hold
    // the network, the profile key, a start of 0, a reference elevation of -5 and the scales.
    AcDbObjectId addTitleBlock(const std::wstring& networkName, const std::wstring& key,
                               const std::wstring& blockName = L"TZ-RR1") {
        auto* reference = new AcDbBlockReference({100.0, 30.0, 0.0}, rvntest::addBlock(db_, blockName.c_str()));
        const std::wstring texts[] = {networkName, key, L"0", L"-5", L"1000", L"100"};
        for (int i = 0; i < 6; ++i) {
            const std::wstring tag = L"OBJ" + std::to_wstring(i + 1);
            EXPECT_EQ(Acad::eOk, reference->appendAttribute(new AcDbAttribute({100.0, 30.0 - 3.5 * i, 0.0}, texts[i].c_str(),
                                                                              tag.c_str())));
        }
        return append(reference);
    }

    // The blocks and the text style title blocks are made of: unit frames, letters 2 high and 0.8 wide.
    void addTitleBlockDefinitions() {
        rvntest::addBlock(db_, L"TZ-FINATT");
        rvntest::addBlock(db_, L"TZ-FINOBJ");
        auto* style = new AcDbTextStyleTableRecord;
        style->setTextSize(2.0);
        style->setXScale(0.8);
        titleStyle_ = rvntest::addRecord<AcDbTextStyleTable>(db_, style, L"TZ-CART");
    }

    // The insertion point of a node's first attribute, as a point typed at a prompt.
    std::wstring attributePointOf(std::size_t node) { return typed(attributePosition(nodes_.at(node), 0)); }
    static std::wstring typed(const AcGePoint3d& point) {
        wchar_t text[128] = {};
        std::swprintf(text, std::size(text), L"%.17g,%.17g,%.17g", point.x, point.y, point.z);
        return text;
    }

    std::vector<AcDbObjectId> modelSpaceEntities() { return entitiesOf<AcDbEntity>(); }

    std::vector<AcDbObjectId> nodes_;
    AcDbObjectId network_;
    AcDbObjectId titleStyle_;
};

}  // namespace profiletest
