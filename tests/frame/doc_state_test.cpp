#include "acdocman.h"
#include "dbdatabase.h"
#include "frame/doc_reactor.h"
#include "frame/doc_state_list.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

std::vector<std::wstring> namesOf(const TzRvnDocState& state) {
    std::vector<std::wstring> names;
    for (const TzRvnName& name : state.nodeNames()) names.push_back(name.str());
    return names;
}

TEST(DocState, NodeNamesStaySortedByCodeUnitsWithoutDuplicates) {
    TzRvnDocState state(nullptr);
    for (const wchar_t* name : {L"N2", L"n1", L"N10", L"A", L"N2", L"Z", L"A"}) EXPECT_TRUE(state.addNodeName(name));
    EXPECT_EQ(namesOf(state), (std::vector<std::wstring>{L"A", L"N10", L"N2", L"Z", L"n1"}));

    // Ordinal UTF-16 order puts a character above U+FFFF (a surrogate pair, D83D ...) before
    // U+FF21, although its code point is higher.
    TzRvnDocState wide(nullptr);
    wide.addNodeName(L"\uFF21");
    wide.addNodeName(L"\U0001F600");
    wide.addNodeName(L"\u00C8");
    EXPECT_EQ(namesOf(wide), (std::vector<std::wstring>{L"\u00C8", L"\U0001F600", L"\uFF21"}));
}

TEST(DocState, NodeNamesAreFoundAndRemovedExactly) {
    TzRvnDocState state(nullptr);
    state.addNodeName(L"Nodo1");
    state.addNodeName(L"Nodo2");
    EXPECT_TRUE(state.hasNodeName(L"Nodo1"));
    EXPECT_FALSE(state.hasNodeName(L"nodo1"));
    EXPECT_FALSE(state.hasNodeName(L"Nodo"));

    state.removeNodeName(L"NODO2");
    EXPECT_EQ(state.nodeNames().size(), 2u);
    state.removeNodeName(L"Nodo2");
    state.removeNodeName(L"Nodo2");
    EXPECT_EQ(namesOf(state), std::vector<std::wstring>{L"Nodo1"});
}

TEST(DocState, ATextThatCannotBeANodeNameIsRefused) {
    TzRvnDocState state(nullptr);
    EXPECT_TRUE(state.addNodeName(std::wstring(15, L'N')));
    EXPECT_FALSE(state.addNodeName(std::wstring(16, L'N')));
    // Eight characters above U+FFFF take sixteen code units.
    EXPECT_FALSE(state.addNodeName(std::wstring(8, L'\U0001F600')));
    EXPECT_FALSE(state.addNodeName(std::wstring(L"A\0B", 3)));
    EXPECT_EQ(state.nodeNames().size(), 1u);
}

TEST(DocState, TheCurrentLayerHoldsAtMost255CodeUnitsAndGoesWithTheNodeNames) {
    TzRvnDocState state(nullptr);
    EXPECT_TRUE(state.currentLayer().empty());
    EXPECT_TRUE(state.setCurrentLayer(std::wstring(255, L'L')));
    EXPECT_FALSE(state.setCurrentLayer(std::wstring(256, L'M')));
    EXPECT_FALSE(state.setCurrentLayer(std::wstring(128, L'\U0001F600')));
    state.addNodeName(L"N1");
    EXPECT_EQ(state.currentLayer(), std::wstring(255, L'L'));

    state.clearNodeNames();
    EXPECT_TRUE(state.nodeNames().empty());
    EXPECT_TRUE(state.currentLayer().empty());
}

// Documents of their own, outside the host's document manager.
class DocStates : public ::testing::Test {
protected:
    AcApDocument* makeDocument(const wchar_t* name) {
        documents_.push_back(std::make_unique<AcApDocument>(std::make_unique<AcDbDatabase>(), name));
        return documents_.back().get();
    }

    TzRvnDocStateList list;
    TzRvnDocReactor reactor{list};

private:
    std::vector<std::unique_ptr<AcApDocument>> documents_;
};

TEST_F(DocStates, DestroyingTheCurrentDocumentMakesTheFirstStateCurrent) {
    AcApDocument* first = makeDocument(L"A.dwg");
    AcApDocument* second = makeDocument(L"B.dwg");
    AcApDocument* third = makeDocument(L"C.dwg");
    for (AcApDocument* document : {first, second, third}) reactor.documentActivated(document);

    reactor.documentToBeDestroyed(third);
    EXPECT_EQ(list.size(), 2u);
    EXPECT_EQ(list.current()->document(), first);
    EXPECT_EQ(list.find(third), nullptr);

    // A document that is not current leaves the current state alone.
    reactor.documentActivated(second);
    reactor.documentToBeDestroyed(first);
    EXPECT_EQ(list.current()->document(), second);

    // A document without a state is ignored.
    reactor.documentToBeDestroyed(makeDocument(L"Mai.dwg"));
    EXPECT_EQ(list.size(), 1u);
    EXPECT_EQ(list.current()->document(), second);

    reactor.documentToBeDestroyed(second);
    EXPECT_EQ(list.size(), 0u);
    EXPECT_EQ(list.current(), nullptr);
}

}  // namespace
