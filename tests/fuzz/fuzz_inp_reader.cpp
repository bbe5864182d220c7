// Fuzzing the reader of EPANET input files: any bytes either give a network or a refusal with a
// message; a network that the writer accepts writes a file that reads back as a network with the
// same nodes, branches and tanks.
#include <cstddef>
#include <cstdint>
#include <string>

#include "analysis/jobs/network_exchange.h"
#include "analysis/exchange/inp_writer.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TzRvnNetworkData network;
    const TzRvnImportResult result = ReadInpText({reinterpret_cast<const char*>(data), size}, L"fuzz.inp", {}, network);
    if (result.status != TzRvnImportStatus::imported) {
        if (result.message.empty()) __builtin_trap();
        return 0;
    }
    std::string text;
    if (InpFileText(network, L"fuzz", text)) return 0;
    TzRvnNetworkData again;
    if (ReadInpText(text, L"again.inp", {}, again).status != TzRvnImportStatus::imported) __builtin_trap();
    if (again.numNodes() != network.numNodes() || again.numEdges() != network.numEdges() ||
        again.numTanks() != network.numTanks()) {
        __builtin_trap();
    }
    for (int i = 0; i < network.numNodes(); ++i) {
        if (!(again.nodes()[i].name == network.nodes()[i].name)) __builtin_trap();
    }
    return 0;
}
