// The network object: its class registered once and taken away at unload, its operations under the
// host's open discipline, and the topology check and calculation that read the network's name from
// its dictionary.
#include "analysis/jobs/calc_run.h"
#include "analysis/solver/analysis_texts.h"
#include "frame/class_registration.h"
#include "netobj_support.h"

#include <tuple>

namespace {

using rvntest::sampleNetwork;

class NetworkInDrawing : public rvntest::DrawingTest {
protected:
    AcDbObjectId add(const wchar_t* key, TzRvnNetworkData data) {
        AcDbObjectId id;
        EXPECT_EQ(Acad::eOk, AddNetwork(&db, key, std::make_unique<TzRvnNetwork>(std::move(data)), id));
        return id;
    }
};

TEST_F(NetworkInDrawing, ReadersNeedAReadOpenAndSettersAWriteOpen) {
    const AcDbObjectId id = add(L"Rete", sampleNetwork());
    TzRvnOpenObject<TzRvnNetwork> reader(id, AcDb::kForRead);
    ASSERT_TRUE(reader.isOpen());
    EXPECT_EQ(std::tuple(3, 2, 2, true, 75.0),
              std::tuple(reader->numNodes(), reader->numEdges(), reader->numTanks(), reader->hasSchema(), reader->maxHead()));
    EXPECT_EQ(std::vector<Acad::ErrorStatus>(6, Acad::eNotOpenForWrite),
              (std::vector<Acad::ErrorStatus>{reader->setNumNodes(0), reader->setNode(0, TzRvnNode()),
                                              reader->setEdge(0, TzRvnEdge()), reader->setTank(0, TzRvnTank()),
                                              reader->setSettings(TzRvnSettings()), reader->setData(TzRvnNetworkData())}));
    EXPECT_EQ(L"N1", reader->getNode(0).name.str());
    EXPECT_EQ(1, reader->getSettings().flowUnit);

    TzRvnNetwork* closed = reader.get();
    reader.close();
    EXPECT_EQ(std::tuple(0, true, false), std::tuple(closed->numNodes(), closed->getNode(0).name.empty(), closed->hasSchema()));
    TzRvnNetworkData data;
    EXPECT_EQ(Acad::eNotOpenForRead, closed->getData(data));
    EXPECT_EQ(0, data.numNodes());
}

TEST_F(NetworkInDrawing, TheTopologyCheckNamesTheNetworkByItsDictionaryKey) {
    const AcDbObjectId id = add(L"Acquedotto", sampleNetwork());
    TzRvnOpenObject<TzRvnNetwork> network(id, AcDb::kForRead);
    TzRvnStringReport report;
    EXPECT_EQ(0, CheckNetworkTopology(*network, report));
    EXPECT_EQ(0, report.text().find(std::wstring(rvntext::kCheckTitle) + L"Acquedotto" +
                                    std::wstring(rvntext::kCheckRule)));
    EXPECT_NE(std::wstring::npos, report.text().find(L"Il nodo  e' isolato\n"));
    TzRvnNetworkData data;
    network->getData(data);
    EXPECT_EQ(3, data.edges()[0].endIndex);
}

TEST_F(NetworkInDrawing, WithoutItsDictionaryTheCheckAndTheCalculationStopAfterTheTitle) {
    TzRvnNetwork loose(sampleNetwork());
    TzRvnStringReport check;
    EXPECT_EQ(0, CheckNetworkTopology(loose, check));
    EXPECT_EQ(std::wstring(rvntext::kCheckTitle) + std::wstring(rvntext::kNoNetworkDictionary), check.text());
    TzRvnStringReport log;
    EXPECT_EQ(0, CalculateNetwork(loose, log).result);
    EXPECT_EQ(std::wstring(rvntext::kLogTitle) + std::wstring(rvntext::kNoNetworkDictionary), log.text());

    const AcDbObjectId id = add(L"Rete", sampleNetwork());
    TzRvnOpenObject<TzRvnNetwork> network(id, AcDb::kForRead);
    TzRvnOpenObject<AcDbDictionary> ownerHeld(network->ownerId(), AcDb::kForWrite);
    ASSERT_TRUE(ownerHeld.isOpen());
    TzRvnStringReport blocked;
    EXPECT_EQ(0, CheckNetworkTopology(*network, blocked));
    EXPECT_EQ(std::wstring(rvntext::kCheckTitle) + std::wstring(rvntext::kNoNetworkDictionary), blocked.text());
}

TEST_F(NetworkInDrawing, TheCalculationNeedsAWriteOpenAndStoresItsResults) {
    // Two nodes joined by one branch, a tank on the first, a demand at the second.
    const AcDbObjectId id = add(L"Due", rvntest::NetworkBuilder()
                                            .node(L"1", 0.0, 40.0).node(L"2", 0.002)
                                            .branch(L"1", L"2", 100.0, 0.1, 0.0001).tank(L"1", 75.0).build());
    {
        TzRvnOpenObject<TzRvnNetwork> reader(id, AcDb::kForRead);
        TzRvnStringReport check, log;
        EXPECT_EQ(1, CheckNetworkTopology(*reader, check));
        EXPECT_EQ(TzRvnSolverStatus::notRun, CalculateNetwork(*reader, log).status);
        EXPECT_TRUE(log.text().empty());
    }
    TzRvnOpenObject<TzRvnNetwork> network(id, AcDb::kForWrite);
    TzRvnStringReport check, log;
    ASSERT_EQ(1, CheckNetworkTopology(*network, check));
    const TzRvnSolverOutcome outcome = CalculateNetwork(*network, log);
    ASSERT_EQ(1, outcome.result);
    EXPECT_TRUE(outcome.converged);
    EXPECT_GT(outcome.iterations, 1);
    EXPECT_EQ(0, log.text().find(std::wstring(rvntext::kLogTitle) + L"Due\n"));
    EXPECT_NEAR(0.002, network->getEdge(0).flow, 1e-9);  // the drawing tests compare saved results whole
}

// What the host learns at registration goes into the class section of every drawing saved: no other
// test reads the versions back, and a change would break the drawings already saved.
TEST(NetworkClass, IsRegisteredUnderTheNamesAndVersionsSavedDrawingsHold) {
    AcRxClass* registered = TzRvnNetwork::desc();
    ASSERT_EQ(registered, acrxClassDictionary->at(L"TzRvnNetwork"));
    int maintenance = 0;
    EXPECT_EQ(33, registered->getClassVersion(maintenance));
    EXPECT_EQ(4, maintenance);
    EXPECT_EQ(0, registered->proxyFlags());
    EXPECT_STREQ(L"Tozari_Works", registered->appName());
    EXPECT_EQ(AcDbObject::desc(), registered->myParent());
}

TEST(NetworkClass, RegisteringAgainKeepsTheDescriptorAndTheUnloadHookTakesTheClassAway) {
    AcRxClass* first = TzRvnNetwork::desc();
    RegisterNetworkClass();
    EXPECT_EQ(first, acrxClassDictionary->at(L"TzRvnNetwork"));

    UnregisterPluginClasses();
    EXPECT_EQ(nullptr, acrxClassDictionary->at(L"TzRvnNetwork"));
    EXPECT_EQ(nullptr, rvnhost::createObjectOfClass(L"TzRvnNetwork"));

    RegisterPluginClasses();
    EXPECT_EQ(TzRvnNetwork::desc(), acrxClassDictionary->at(L"TzRvnNetwork"));
    std::unique_ptr<AcRxObject> made(rvnhost::createObjectOfClass(L"TzRvnNetwork"));
    EXPECT_NE(nullptr, TzRvnNetwork::cast(made.get()));
}

TEST(NetworkClassDeathTest, AnotherClassUnderTheNameStopsTheHost) {
    EXPECT_DEATH(
        {
            RemoveNetworkClass();
            newAcRxClass(L"TzRvnNetwork", L"AcDbObject", 1, 0);
            RegisterNetworkClass();
        },
        "Class mismatch");
}

}  // namespace
