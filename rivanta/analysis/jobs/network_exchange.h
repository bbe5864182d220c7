// The network files as the user meets them: the core's readers and writer (analysis/exchange) with
// their outcomes told in the user's words (translated), as the jobs and the dialogs show them. The
// files are read whole here and written through the host's output files.
#pragma once

#include "analysis/exchange/inp_reader.h"
#include "analysis/exchange/inp_writer.h"
#include "analysis/exchange/portavia_reader.h"
#include "network/materials.h"
#include "network/network_data.h"

#include <functional>
#include <span>
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

// The question put to the user for a doubtful value of a .ptv file, translated: "La lunghezza del
// ramo 2 NON e' POSITIVA\n\nProseguire con l'IMPORTAZIONE dei dati?".
std::wstring ImportQuestionText(const TzRvnImportDoubt& doubt);

// ParsePortaviaBytes, its questions put to ask in words and its outcome told in a message that
// names fileName.
TzRvnImportResult ReadPortaviaBytes(std::string_view bytes, std::wstring_view fileName,
                                    const std::vector<CMateriale>& materials, const TzRvnImportQuestion& ask,
                                    TzRvnNetworkData& network);

// Reads the file at path as ReadPortaviaBytes does.
TzRvnImportResult ImportPortaviaFile(const std::wstring& path, const std::vector<CMateriale>& materials,
                                     const TzRvnImportQuestion& ask, TzRvnNetworkData& network);

// ParseInpText, its outcome told in a message that names fileName, the section and the line.
TzRvnImportResult ReadInpText(std::string_view utf8, std::wstring_view fileName, const TzRvnSettings& installed,
                              TzRvnNetworkData& network);

// Reads the file at path as ReadInpText does.
TzRvnImportResult ImportInpFile(const std::wstring& path, const TzRvnSettings& installed, TzRvnNetworkData& network);

// Why an input file cannot hold a network, in words (translated).
std::wstring InpExportReason(const TzRvnInpExportRefusal& refusal);

// Writes network to the file at path as an input file (InpFileText), whole or not at all (see
// rvnos::OutputFile); a path naming one of inputs is refused. Empty on success, else the message
// (translated).
std::wstring ExportInpFile(const TzRvnNetworkData& network, std::wstring_view title, const std::wstring& path,
                           std::span<const std::wstring> inputs = {});
