// Fuzzing the reader of Portavia files (".ptv"): any bytes give either a clear refusal or a
// network. A small network read is then checked and calculated, so that the topology check and
// the solver meet whatever values a damaged file holds (NaN, infinities, zeros, odd indices).
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "analysis/jobs/network_exchange.h"
#include "analysis/solver/run_calculation.h"

namespace {

// Beyond these the dense calculation is slow without finding anything new.
constexpr std::size_t kLargestCalculatedNetwork = 40;
constexpr std::int32_t kMostIterations = 30;

bool worthCalculating(const TzRvnNetworkData& network) {
    return network.nodes().size() <= kLargestCalculatedNetwork &&
           network.edges().size() <= 2 * kLargestCalculatedNetwork &&
           network.settings().maxIterations <= kMostIterations;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::vector<CMateriale> materials;
    TzRvnNetworkData network;
    const TzRvnImportResult result =
        ReadPortaviaBytes(bytes, L"fuzz.ptv", materials, [](const std::wstring&) { return true; }, network);
    if (result.status != TzRvnImportStatus::imported) {
        if (result.message.empty() || !network.nodes().empty()) __builtin_trap();
        return 0;
    }
    if (!worthCalculating(network)) return 0;
    TzRvnStringReport checkReport;
    TzRvnStringReport calcReport;
    RunCalculation(network, std::nullopt, checkReport, [&calcReport] { return &calcReport; }, KeepText);
    return 0;
}
