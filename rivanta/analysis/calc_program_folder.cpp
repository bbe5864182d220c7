#include "analysis/calc_program_folder.h"

#include "network/file_handle.h"
#include "network/settings_file.h"
#include "schema/program_folder.h"

#include <optional>
#include <string_view>

namespace {

constexpr std::wstring_view kSettingsFile = L"the settings file";
constexpr std::wstring_view kMaterialsFile = L"the materials archive";

std::wstring quoted(const std::wstring& path) { return L"\"" + path + L"\""; }

// The whole file at path into bytes; empty on success, else the message. Opened for reading
// only: an installed program folder may be read-only.
std::wstring readWhole(std::wstring_view what, const std::wstring& path, std::string& bytes) {
    TzRvnFile file = OpenFile(path, "rb");
    if (file && ReadAllBytes(file.get(), bytes)) return {};
    return L"rivanta calc: cannot read " + std::wstring(what) + L" " + quoted(path);
}

std::wstring faultMessage(std::wstring_view what, const std::wstring& path, const TzRvnLineFault& fault) {
    return L"rivanta calc: " + std::wstring(what) + L" " + quoted(path) + L", line " + std::to_wstring(fault.line) +
           L": " + fault.problem;
}

}  // namespace

std::wstring JobProgramFolder(std::wstring& folder) {
    if (ReadProgramFolder(folder)) return {};
    return L"rivanta calc: no program folder (the settings file and the materials archive lie there): give one "
           L"with --program-folder DIR";
}

std::wstring LoadJobSettings(const std::wstring& folder, TzRvnSettings& settings) {
    const std::wstring path = folder + kSettingsFileName;
    std::string bytes;
    if (std::wstring message = readWhole(kSettingsFile, path, bytes); !message.empty()) return message;
    if (const std::optional<TzRvnLineFault> fault = CheckSettingsText(bytes)) return faultMessage(kSettingsFile, path, *fault);
    ReadSettingsText(bytes, settings);
    return {};
}

std::wstring LoadJobMaterials(const std::wstring& folder, std::vector<CMateriale>& materials) {
    const std::wstring path = folder + kMaterialsFileName;
    std::string bytes;
    if (std::wstring message = readWhole(kMaterialsFile, path, bytes); !message.empty()) return message;
    if (const std::optional<TzRvnLineFault> fault = CheckMaterialsText(bytes)) return faultMessage(kMaterialsFile, path, *fault);
    std::vector<CMateriale> read;
    ReadMaterialsText(bytes, read);
    if (read.empty()) return L"rivanta calc: " + std::wstring(kMaterialsFile) + L" " + quoted(path) + L" holds no material";
    materials = std::move(read);
    return {};
}
