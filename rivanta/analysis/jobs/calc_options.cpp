#include "analysis/jobs/calc_options.h"

#include "analysis/jobs/calc_job_texts.h"
#include "frame/translation.h"
#include "text_codec.h"

#include <string_view>

namespace {

// Takes the value of an option that needs one; false (with the error set) when it is missing.
bool takeValue(const std::vector<std::string>& arguments, std::size_t& at, std::wstring& value,
               TzRvnCalcOptions& options) {
    const std::wstring option = rvnos::fromUtf8(arguments[at]);
    if (at + 1 >= arguments.size() || arguments[at + 1].empty()) {
        options.error = FormatTranslated(rvntext::kCalcNeedsValue, {std::wstring_view(option)});
        return false;
    }
    if (!value.empty()) {
        options.error = FormatTranslated(rvntext::kCalcGivenTwice, {std::wstring_view(option)});
        return false;
    }
    value = rvnos::fromUtf8(arguments[++at]);
    return true;
}

bool setAnswer(TzRvnImportAnswer answer, TzRvnCalcOptions& options) {
    if (options.answer != TzRvnImportAnswer::ask && options.answer != answer) {
        options.error = TranslateText(rvntext::kCalcYesAndNo);
        return false;
    }
    options.answer = answer;
    return true;
}

// The factorisation named by --solver's value; false (with the error set) for another name.
bool takeSolver(const std::vector<std::string>& arguments, std::size_t& at, TzRvnCalcOptions& options) {
    if (!takeValue(arguments, at, options.solverName, options)) return false;
    const std::wstring& name = options.solverName;
    const std::pair<std::wstring_view, TzRvnFactorisation> kinds[] = {
        {L"dense", TzRvnFactorisation::dense},
        {L"exact", TzRvnFactorisation::exact},
        {L"ordered", TzRvnFactorisation::ordered},
    };
    for (const auto& [kindName, kind] : kinds) {
        if (name == kindName) {
            options.factorisation = kind;
            return true;
        }
    }
    options.error = FormatTranslated(rvntext::kCalcUnknownSolver, {std::wstring_view(name)});
    return false;
}

// One argument (and its value); false when the arguments are not usable.
bool readArgument(const std::vector<std::string>& arguments, std::size_t& at, TzRvnCalcOptions& options) {
    const std::string_view argument = arguments[at];
    if (argument == "--out") return takeValue(arguments, at, options.outFolder, options);
    if (argument == "--results") return takeValue(arguments, at, options.resultsPath, options);
    if (argument == "--network") return takeValue(arguments, at, options.networkName, options);
    if (argument == "--solver") return takeSolver(arguments, at, options);
    if (argument == "--yes") return setAnswer(TzRvnImportAnswer::yes, options);
    if (argument == "--no") return setAnswer(TzRvnImportAnswer::no, options);
    if (argument == "--save" || argument == "--verbose") {
        (argument == "--save" ? options.save : options.verbose) = true;
        return true;
    }
    const std::wstring wide = rvnos::fromUtf8(argument);
    if (argument.size() > 1 && argument.front() == '-') {
        options.error = FormatTranslated(rvntext::kCalcUnknownOption, {std::wstring_view(wide)});
        return false;
    }
    if (!options.input.empty()) {
        options.error =
            FormatTranslated(rvntext::kCalcOneFile, {std::wstring_view(wide), std::wstring_view(options.input)});
        return false;
    }
    options.input = wide;
    return true;
}

// The combinations the two forms do not allow.
void checkForm(TzRvnCalcOptions& options) {
    if (options.input.empty()) {
        options.error = TranslateText(rvntext::kCalcNoFile);
    } else if (options.importsNetworkFile() && options.save) {
        options.error = TranslateText(rvntext::kCalcSaveNeedsNetwork);
    } else if (!options.importsNetworkFile() && options.answer != TzRvnImportAnswer::ask) {
        options.error = TranslateText(rvntext::kCalcAnswersNeedImport);
    }
}

}  // namespace

TzRvnCalcOptions ParseCalcOptions(const std::vector<std::string>& arguments) {
    TzRvnCalcOptions options;
    for (const std::string& argument : arguments) {
        if (argument == "--help" || argument == "-h") {
            options.help = true;
            return options;
        }
    }
    for (std::size_t at = 0; at < arguments.size(); ++at) {
        if (!readArgument(arguments, at, options)) return options;
    }
    checkForm(options);
    return options;
}

// The pieces of the usage, a blank line between paragraphs.
std::wstring CalcUsageText() {
    return TranslateText(rvntext::kCalcUsageForms) + L"\n" + TranslateText(rvntext::kCalcUsageWhat) + L"\n" +
           TranslateText(rvntext::kCalcUsageProgramFolder) + L"\n" + TranslateText(rvntext::kCalcUsageFiles) +
           TranslateText(rvntext::kCalcUsageRun) + L"\n" + TranslateText(rvntext::kCalcUsageExit);
}
