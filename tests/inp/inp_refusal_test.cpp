// What a network cannot hold is refused, never dropped: every refusal names the file, the section
// and the line, and leaves the network as it was.
#include "analysis/jobs/network_exchange.h"
#include "text_codec.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Lines 1-8: a valid network to which each case adds its lines from line 9 on.
constexpr char kValid[] =
    "[JUNCTIONS]\n"
    " J1 10 1\n"
    "[RESERVOIRS]\n"
    " R1 50\n"
    "[PIPES]\n"
    " P1 R1 J1 100 100 0.1\n"
    "[OPTIONS]\n"
    " HEADLOSS D-W\n";

struct RefusalCase {
    const char* name;
    const char* added;    // lines added from line 9 on
    const char* section;  // the section the message names
    int line;
    const char* reason;  // a part of the reason
};

class InpRefused : public testing::TestWithParam<RefusalCase> {};

TEST_P(InpRefused, NamesTheSectionAndLineAndLeavesTheNetworkAsItWas) {
    const RefusalCase& c = GetParam();
    TzRvnNetworkData network;
    network.setNumNodes(7);
    const TzRvnImportResult result = ReadInpText(std::string(kValid) + c.added, L"rete.inp", {}, network);
    const std::string message = rvnos::toUtf8(result.message);
    EXPECT_EQ(TzRvnImportStatus::refused, result.status);
    const std::string where = "rete.inp: sezione " + std::string(c.section) + ", riga " + std::to_string(c.line) + ": ";
    EXPECT_NE(std::string::npos, message.find(where)) << message;
    EXPECT_NE(std::string::npos, message.find(c.reason)) << message;
    EXPECT_EQ(7, network.numNodes());
}

INSTANTIATE_TEST_SUITE_P(
    Features, InpRefused,
    testing::Values(RefusalCase{"Pump", "[PUMPS]\n;ID N1 N2\n P2 J1 R1 HEAD C1\n", "[PUMPS]", 11, "pompe"},
                    RefusalCase{"Valve", "[VALVES]\n V1 J1 R1 100 PRV 30 0\n", "[VALVES]", 10, "valvole"},
                    RefusalCase{"CheckValve", "[PIPES]\n P2 J1 R1 100 100 0.1 0 CV\n", "[PIPES]", 10, "ritegno (CV)"},
                    RefusalCase{"Patterns", "[PATTERNS]\n 1 1.0 1.2\n", "[PATTERNS]", 10, "patterns"},
                    RefusalCase{"JunctionPattern", "[JUNCTIONS]\n J2 10 1 day\n", "[JUNCTIONS]", 10, "pattern day"},
                    RefusalCase{"ReservoirPattern", "[RESERVOIRS]\n R2 10 tide\n", "[RESERVOIRS]", 10, "pattern tide"},
                    RefusalCase{"DemandPattern", "[DEMANDS]\n J1 2 day\n", "[DEMANDS]", 10, "pattern day"},
                    RefusalCase{"Curves", "[CURVES]\n C1 0 10\n", "[CURVES]", 10, "curve"},
                    RefusalCase{"VolumeCurve", "[TANKS]\n T1 10 1 0 2 5 0 VC\n", "[TANKS]", 10, "curve di volume"},
                    RefusalCase{"Controls", "[CONTROLS]\n LINK P1 CLOSED AT TIME 2\n", "[CONTROLS]", 10, "controlli"},
                    RefusalCase{"Rules", "[RULES]\n RULE 1\n", "[RULES]", 10, "regole"},
                    RefusalCase{"Emitters", "[EMITTERS]\n J1 0.5\n", "[EMITTERS]", 10, "emitters"},
                    RefusalCase{"HazenWilliams", " HEADLOSS H-W\n", "[OPTIONS]", 9, "H-W"},
                    RefusalCase{"ChezyManning", " HEADLOSS C-M\n", "[OPTIONS]", 9, "C-M"},
                    RefusalCase{"PressureDriven", " DEMAND MODEL PDA\n", "[OPTIONS]", 9, "PDA"},
                    RefusalCase{"UnknownOption", " WHATEVER 3\n", "[OPTIONS]", 9, "opzione sconosciuta WHATEVER"},
                    RefusalCase{"NoIteration", " TRIALS 0.8\n", "[OPTIONS]", 9, "0.8 non da' nemmeno"},
                    RefusalCase{"UnknownFlowUnit", " UNITS GPS\n", "[OPTIONS]", 9, "GPS"},
                    RefusalCase{"UnknownSection", "\n[JUNCTION]\n", "[JUNCTION]", 10, "sezione sconosciuta"},
                    RefusalCase{"LongName", "[JUNCTIONS]\n Sedici_caratter 1\n Diciassette_cara 1\n", "[JUNCTIONS]", 11,
                                "Diciassette_cara supera i 15"},
                    RefusalCase{"DuplicateNode", "[JUNCTIONS]\n R1 3\n", "[JUNCTIONS]", 10, "R1 e' gia'"},
                    RefusalCase{"UnknownNode", "[PIPES]\n P2 J1 X9 10 100 0.1\n", "[PIPES]", 10, "X9 non e' definito"},
                    RefusalCase{"SameEnds", "[PIPES]\n P2 J1 J1 10 100 0.1\n", "[PIPES]", 10, "stesso nodo"},
                    RefusalCase{"ZeroLength", "[PIPES]\n P2 J1 R1 0 100 0.1\n", "[PIPES]", 10,
                                "0 deve essere positivo"},
                    RefusalCase{"NegativeRoughness", "[PIPES]\n P2 J1 R1 5 100 -1\n", "[PIPES]", 10, "-1 non puo'"},
                    RefusalCase{"CommaDecimal", "[PIPES]\n P2 J1 R1 5,5 100 1\n", "[PIPES]", 10, "non numerico 5,5"},
                    RefusalCase{"MissingValues", "[PIPES]\n P2 J1 R1 5 100\n", "[PIPES]", 10, "mancano"},
                    RefusalCase{"DemandOnReservoir", "[DEMANDS]\n R1 2\n", "[DEMANDS]", 10, "R1 e' un serbatoio"},
                    RefusalCase{"StatusOfUnknownPipe", "[STATUS]\n P9 CLOSED\n", "[STATUS]", 10, "P9 non e' definito"},
                    RefusalCase{"StatusSetting", "[STATUS]\n P1 0.5\n", "[STATUS]", 10, "stato 0.5"},
                    RefusalCase{"BadRivantaSetting", ";RIVANTA FLOW_UNIT 1.5\n", "[OPTIONS]", 9, "FLOW_UNIT"},
                    RefusalCase{"UnknownUnitCode", ";RIVANTA FLOW_UNIT 99\n", "[OPTIONS]", 9, "FLOW_UNIT"},
                    RefusalCase{"UnknownDiameterUnit", ";RIVANTA DIAMETER_UNIT 3\n", "[OPTIONS]", 9, "DIAMETER_UNIT"},
                    RefusalCase{"UnknownFluid", ";RIVANTA FLUID 1\n", "[OPTIONS]", 9, "FLUID"},
                    RefusalCase{"NegativeMinimumFlow", ";RIVANTA MIN_BRANCH_FLOW -5\n", "[OPTIONS]", 9, "MIN_BRANCH_FLOW"},
                    RefusalCase{"NegativeVelocity", ";RIVANTA INITIAL_VELOCITY -1\n", "[OPTIONS]", 9, "INITIAL_VELOCITY"},
                    RefusalCase{"ColourBeyondRgb", ";RIVANTA COLOUR_LOW_HEAD 16777216\n", "[OPTIONS]", 9,
                                "COLOUR_LOW_HEAD"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(InpRefusalOf, AFileThatIsNoTextSaysWhatItIs) {
    const char* kUtf16 = "il file e' testo UTF-16: salvarlo come testo UTF-8 e importarlo di nuovo";
    const struct {
        std::string bytes;
        const char* said;
    } cases[] = {
        {"", "il file e' vuoto"},
        {"\xEF\xBB\xBF \r\n\t\n", "il file e' vuoto"},
        {std::string("\xFF\xFE[\0J\0U\0", 8), kUtf16},
        {std::string("[\0J\0U\0N\0C\0T\0I\0O\0N\0S\0]\0", 22), kUtf16},
        {std::string(kValid) + " J2 1 1\x01\n", "il file non e' di testo (byte 0x01 alla posizione 102)"},
        {std::string("[JUNCTIONS]\n J1 1 1\0\n", 22), "il file non e' di testo (byte 0x00 alla posizione 19)"},
    };
    for (const auto& c : cases) {
        TzRvnNetworkData network;
        network.setNumNodes(3);
        const TzRvnImportResult result = ReadInpText(c.bytes, L"rete.inp", {}, network);
        EXPECT_EQ(TzRvnImportStatus::refused, result.status);
        EXPECT_EQ("Impossibile importare il file rete.inp: " + std::string(c.said), rvnos::toUtf8(result.message));
        EXPECT_EQ(3, network.numNodes());
    }
}

TEST(InpRefusalOf, DataBeforeTheFirstSectionAndAMissingHeadlossOption) {
    TzRvnNetworkData network;
    std::string message = rvnos::toUtf8(ReadInpText("\n J1 10\n[JUNCTIONS]\n", L"a.inp", {}, network).message);
    EXPECT_NE(std::string::npos, message.find("sezione , riga 2: dati fuori")) << message;
    // Without HEADLOSS EPANET calculates with Hazen-Williams: named at the [OPTIONS] header.
    message = rvnos::toUtf8(ReadInpText("[JUNCTIONS]\n J1 1\n[OPTIONS]\n UNITS LPS\n", L"a.inp", {}, network).message);
    EXPECT_NE(std::string::npos, message.find("sezione [OPTIONS], riga 3: manca HEADLOSS D-W")) << message;
    message = rvnos::toUtf8(ReadInpText("[JUNCTIONS]\n J1 1\n", L"a.inp", {}, network).message);
    EXPECT_NE(std::string::npos, message.find("riga 0: manca HEADLOSS D-W")) << message;
}

TEST(InpRefusalOf, EmptyFeatureSectionsAndCommentsAreAccepted) {
    TzRvnNetworkData network;
    const std::string text = std::string(kValid) + "[PUMPS]\n;ID Node1 Node2\n[PATTERNS]\n[CURVES]\n\n[CONTROLS]\n";
    EXPECT_EQ(TzRvnImportStatus::imported, ReadInpText(text, L"a.inp", {}, network).status);
}

}  // namespace
