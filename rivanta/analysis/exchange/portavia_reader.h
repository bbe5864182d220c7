// Import of the binary network files of Portavia (".ptv"): little-endian, a 164-byte header
// with the calculation parameters and the counts, then 48-byte node, 52-byte branch and 10-byte
// tank records. Nodes are named by their numbers in the file.
#pragma once

#include "network/materials.h"
#include "network/network_data.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

// A value of a branch that the import asks about before it keeps it: 0 or negative.
enum class TzRvnBranchValue { length, roughness, diameter };

struct TzRvnImportDoubt {
    TzRvnBranchValue value = TzRvnBranchValue::length;
    int branch = 0;  // 1-based
};

// Asks the user whether to go on with a doubtful value (the plug-in words the question); true for
// yes.
using TzRvnDoubtQuestion = std::function<bool(const TzRvnImportDoubt& doubt)>;

// How the reading of a Portavia file's bytes ended.
enum class TzRvnPortaviaStatus {
    imported,      // network filled
    shortHeader,   // shorter than its header
    shortRecords,  // shorter than the records its counts announce
    abandoned,     // the user answered no to a question
};

struct TzRvnPortaviaRead {
    TzRvnPortaviaStatus status = TzRvnPortaviaStatus::imported;
    int size = 0;  // the bytes read (at most 2^31 - 1)
    int nodes = 0, branches = 0, tanks = 0;  // shortRecords: the counts of the header
};

inline constexpr std::size_t kPortaviaHeaderSize = 164;
inline constexpr std::size_t kPortaviaNodeSize = 48;
inline constexpr std::size_t kPortaviaBranchSize = 52;
inline constexpr std::size_t kPortaviaTankSize = 10;

// Reads the bytes of a .ptv file into network (replacing it whole only when imported). Negative
// counts read as no records; bytes after the announced records are ignored. A branch's length,
// roughness or diameter that is 0 or negative is put to ask: no abandons the import, yes keeps
// the value. Settings: units SI, fluid 0 with the file's viscosity, the file's calculation
// controls, material 0 with the roughness of the first of materials (roughness 0 when there are
// no materials), thresholds 0.1/1.0, colours 100/200/300/400. A note field stops at its first zero
// code unit and holds at most 8. The plug-in reads the files and words the outcome
// (analysis/jobs/network_import.h).
TzRvnPortaviaRead ParsePortaviaBytes(std::string_view bytes, const std::vector<CMateriale>& materials,
                                     const TzRvnDoubtQuestion& ask, TzRvnNetworkData& network);

// The network name for a file: its name without folder and last extension.
std::wstring PortaviaNetworkName(const std::wstring& path);
