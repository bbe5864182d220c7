#include "analysis/jobs/calc_program_folder.h"

#include "analysis/jobs/calc_job_texts.h"
#include "frame/translation.h"
#include "network/settings_file.h"
#include "schema/program_folder.h"

#include <string_view>

namespace {

// The message for a file of the program folder that a checked read refused; empty when it was read.
std::wstring refusalMessage(std::wstring_view what, const std::wstring& path, const TzRvnCheckedFile& read) {
    if (read.status == TzRvnCheckedFileStatus::read) return {};
    const std::wstring file = TranslateText(what);
    switch (read.status) {
        case TzRvnCheckedFileStatus::read: break;
        case TzRvnCheckedFileStatus::notRead:
            return FormatTranslated(rvntext::kCalcFileNotRead, {std::wstring_view(file), std::wstring_view(path)});
        case TzRvnCheckedFileStatus::malformed:
            return FormatTranslated(rvntext::kCalcFileFault,
                                    {std::wstring_view(file), std::wstring_view(path),
                                     static_cast<int>(read.fault.line), std::wstring_view(LineFaultText(read.fault))});
        case TzRvnCheckedFileStatus::noMaterial:
            return FormatTranslated(rvntext::kCalcNoMaterial, {std::wstring_view(file), std::wstring_view(path)});
    }
    return {};
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
    return refusalMessage(rvntext::kCalcSettingsFile, path, ReadCheckedSettingsFile(path, settings));
}

std::wstring LoadJobMaterials(const std::wstring& folder, std::vector<CMateriale>& materials) {
    const std::wstring path = folder + kMaterialsFileName;
    return refusalMessage(rvntext::kCalcMaterialsFile, path, ReadCheckedMaterials(path, materials));
}
