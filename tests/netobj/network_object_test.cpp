// The network object: its operations under the host's open discipline, and the topology check and
// calculation of its record that read the network's name from its dictionary.
#include "analysis/jobs/calc_run.h"
#include "analysis/solver/analysis_texts.h"
#include "netobj_support.h"

namespace {

using rvntest::name;
using rvntest::sampleNetwork;
using rvntest::calculationSettings;

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
    EXPECT_EQ(3, reader->numNodes());
    EXPECT_EQ(2, reader->numEdges());
    EXPECT_EQ(2, reader->numTanks());
    EXPECT_TRUE(reader->hasSchema());
    EXPECT_EQ(75.0, reader->maxHead());
    EXPECT_EQ(Acad::eNotOpenForWrite, reader->setNumNodes(0));
    EXPECT_EQ(Acad::eNotOpenForWrite, reader->setNode(0, TzRvnNode()));
    EXPECT_EQ(Acad::eNotOpenForWrite, reader->setEdge(0, TzRvnEdge()));
    EXPECT_EQ(Acad::eNotOpenForWrite, reader->setTank(0, TzRvnTank()));
    EXPECT_EQ(Acad::eNotOpenForWrite, reader->setSettings(TzRvnSettings()));
    EXPECT_EQ(Acad::eNotOpenForWrite, reader->setData(TzRvnNetworkData()));
    EXPECT_EQ(L"N1", reader->getNode(0).name.str());
    EXPECT_EQ(1, reader->getSettings().flowUnit);

    TzRvnNetwork* closed = reader.get();
    reader.close();
    EXPECT_EQ(0, closed->numNodes());
    EXPECT_TRUE(closed->getNode(0).name.empty());
    EXPECT_FALSE(closed->hasSchema());
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

// Two nodes joined by one branch, a tank on the first, a demand at the second.
TzRvnNetworkData twoNodes() {
    TzRvnNetworkData network;
    network.setSettings(calculationSettings());
    network.setNumNodes(2);
    network.nodes()[0].name = name(L"1");
    network.nodes()[0].elevation = 40.0;
    network.nodes()[1].name = name(L"2");
    network.nodes()[1].demand = 0.002;
    network.setNumEdges(1);
    network.edges()[0].startNode = name(L"1");
    network.edges()[0].endNode = name(L"2");
    network.edges()[0].length = 100.0;
    network.edges()[0].diameter = 0.1;
    network.edges()[0].roughness = 0.0001;
    network.setNumTanks(1);
    network.tanks()[0].nodeName = name(L"1");
    network.tanks()[0].head = 75.0;
    return network;
}

TEST_F(NetworkInDrawing, TheCalculationNeedsAWriteOpenAndStoresItsResults) {
    const AcDbObjectId id = add(L"Due", twoNodes());
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
    EXPECT_NEAR(0.002, network->getEdge(0).flow, 1e-9);
    EXPECT_NEAR(0.002, network->getTank(0).flow, 1e-9);
    EXPECT_EQ(75.0, network->maxHead());
    EXPECT_LT(network->minHead(), 75.0);
}

}  // namespace
