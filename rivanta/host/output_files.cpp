#include "host/output_files.h"

#include "analysis/exchange/results_json.h"
#include "network/settings_file.h"
#include "text_codec.h"

namespace {

// A piece is handed to the file once it holds this many bytes.
constexpr std::size_t kPieceBytes = 1 << 16;

}  // namespace

TzRvnFileReport::TzRvnFileReport(const std::wstring& path) { file_.open(path, failure_); }

void TzRvnFileReport::write(std::wstring_view text) {
    rvnos::appendUtf8(piece_, text);
    if (piece_.size() >= kPieceBytes) flush();
}

void TzRvnFileReport::flush() {
    file_.write(piece_);
    piece_.clear();
}

bool TzRvnFileReport::close() {
    flush();
    return file_.commit(failure_, rvnos::Durability::system);
}

bool WriteResultsJsonFile(const std::wstring& path, const TzRvnNetworkData& network, int check, int calc,
                          std::span<const std::wstring> inputs, std::wstring& reason) {
    rvnos::OutputFile file;
    if (!file.open(path, reason, inputs)) return false;
    WriteResultsJson(network, check, calc, [&](std::string& piece) {
        file.write(piece);
        piece.clear();
    });
    return file.commit(reason, rvnos::Durability::system);
}

int SaveSettingsFile(const std::wstring& path, const TzRvnSettings& settings) {
    std::wstring reason;
    return rvnos::replaceFile(path, SettingsFileText(settings), reason) ? 1 : 0;
}

int SaveMaterials(const std::wstring& path, const std::vector<CMateriale>& list, std::wstring& reason) {
    return rvnos::replaceFile(path, MaterialsFileText(list), reason) ? 1 : 0;
}

int SaveMaterials(const std::wstring& path, const std::vector<CMateriale>& list) {
    std::wstring reason;
    return SaveMaterials(path, list, reason);
}
