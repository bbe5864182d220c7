#include "analysis/jobs/calc_program_folder.h"

#include "analysis/jobs/calc_job_texts.h"
#include "analysis/solver/text_format.h"
#include "frame/translation.h"
#include "network/file_handle.h"
#include "network/settings_file.h"
#include "schema/program_folder.h"

#include <optional>
#include <string_view>

namespace {

// The whole file at path into bytes; empty on success, else the message. Opened for reading
// only: an installed program folder may be read-only.
std::wstring readWhole(std::wstring_view what, const std::wstring& path, std::string& bytes) {
    TzRvnFile file = OpenFile(path, "rb");
    if (file && ReadAllBytes(file.get(), bytes)) return {};
    const std::wstring shown = TranslateText(what);
    return FormatTranslated(rvntext::kCalcFileNotRead, {std::wstring_view(shown), std::wstring_view(path)});
}

std::wstring faultMessage(std::wstring_view what, const std::wstring& path, const TzRvnLineFault& fault) {
    const std::wstring file = TranslateText(what);
    return FormatTranslated(rvntext::kCalcFileFault, {std::wstring_view(file), std::wstring_view(path),
                                                      static_cast<int>(fault.line),
                                                      std::wstring_view(LineFaultText(fault))});
}

}  // namespace

std::wstring LineFaultText(const TzRvnLineFault& fault) {
    const std::wstring_view text(fault.text);
    const int count = static_cast<int>(fault.count);
    switch (fault.problem) {
        case TzRvnLineProblem::missing: return FormatTranslated(rvntext::kLineMissing, {count});
        case TzRvnLineProblem::tooLong: return FormatTranslated(rvntext::kLineTooLong, {count});
        case TzRvnLineProblem::empty: return TranslateText(rvntext::kLineEmpty);
        case TzRvnLineProblem::notInteger: return FormatTranslated(rvntext::kLineNotInteger, {text});
        case TzRvnLineProblem::notNumber: return FormatTranslated(rvntext::kLineNotNumber, {text});
        case TzRvnLineProblem::beyondInteger: return FormatTranslated(rvntext::kLineBeyondInteger, {text});
        case TzRvnLineProblem::beyondReal: return FormatTranslated(rvntext::kLineBeyondReal, {text});
    }
    return {};
}

std::wstring JobProgramFolder(std::wstring& folder) {
    if (ReadProgramFolder(folder)) return {};
    return TranslateText(rvntext::kCalcNoProgramFolder);
}

std::wstring LoadJobSettings(const std::wstring& folder, TzRvnSettings& settings) {
    const std::wstring path = folder + kSettingsFileName;
    std::string bytes;
    if (std::wstring message = readWhole(rvntext::kCalcSettingsFile, path, bytes); !message.empty()) return message;
    if (const std::optional<TzRvnLineFault> fault = CheckSettingsText(bytes)) {
        return faultMessage(rvntext::kCalcSettingsFile, path, *fault);
    }
    ReadSettingsText(bytes, settings);
    return {};
}

std::wstring LoadJobMaterials(const std::wstring& folder, std::vector<CMateriale>& materials) {
    const std::wstring path = folder + kMaterialsFileName;
    std::string bytes;
    if (std::wstring message = readWhole(rvntext::kCalcMaterialsFile, path, bytes); !message.empty()) return message;
    if (const std::optional<TzRvnLineFault> fault = CheckMaterialsText(bytes)) {
        return faultMessage(rvntext::kCalcMaterialsFile, path, *fault);
    }
    std::vector<CMateriale> read;
    ReadMaterialsText(bytes, read);
    if (read.empty()) {
        const std::wstring what = TranslateText(rvntext::kCalcMaterialsFile);
        return FormatTranslated(rvntext::kCalcNoMaterial, {std::wstring_view(what), std::wstring_view(path)});
    }
    materials = std::move(read);
    return {};
}
