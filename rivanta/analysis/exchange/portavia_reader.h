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

// Asks the user a yes/no question (text already translated); true for yes.
using TzRvnImportQuestion = std::function<bool(const std::wstring& question)>;

enum class TzRvnImportStatus {
    imported,    // network filled
    notOpened,   // the file could not be opened or read
    truncated,   // shorter than its header or than its counts announce
    abandoned,   // the user answered no to a question
    refused,     // the file holds what a network cannot hold, or is malformed
};

struct TzRvnImportResult {
    TzRvnImportStatus status = TzRvnImportStatus::notOpened;
    std::wstring message;  // translated, for the user; empty when imported
};

inline constexpr std::size_t kPortaviaHeaderSize = 164;
inline constexpr std::size_t kPortaviaNodeSize = 48;
inline constexpr std::size_t kPortaviaBranchSize = 52;
inline constexpr std::size_t kPortaviaTankSize = 10;

// Reads the bytes of a .ptv file into network (replacing it whole only when imported). Negative
// counts read as no records; bytes after the announced records are ignored. A branch's length,
// roughness or diameter that is 0 or negative is put to ask ("Proseguire con l'IMPORTAZIONE dei
// dati?"): no abandons the import, yes keeps the value. Settings: units SI, fluid 0 with the
// file's viscosity, the file's calculation controls, material 0 with the roughness of the first
// of materials (roughness 0 when there are no materials), thresholds 0.1/1.0,
// colours 100/200/300/400. A note field stops at its first zero code unit and holds at most 8.
// fileName is used in the messages only.
TzRvnImportResult ReadPortaviaBytes(std::string_view bytes, std::wstring_view fileName,
                                    const std::vector<CMateriale>& materials, const TzRvnImportQuestion& ask,
                                    TzRvnNetworkData& network);

// Reads the file at path as ReadPortaviaBytes does.
TzRvnImportResult ImportPortaviaFile(const std::wstring& path, const std::vector<CMateriale>& materials,
                                     const TzRvnImportQuestion& ask, TzRvnNetworkData& network);

// The network name for a file: its name without folder and last extension.
std::wstring PortaviaNetworkName(const std::wstring& path);
