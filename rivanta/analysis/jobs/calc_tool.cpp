#include "analysis/jobs/calc_tool.h"

#include "analysis/jobs/calc_drawing.h"
#include "analysis/jobs/calc_import.h"
#include "analysis/jobs/calc_job_texts.h"
#include "analysis/jobs/calc_options.h"
#include "analysis/jobs/calc_run.h"
#include "analysis/jobs/calc_schema.h"
#include "analysis/jobs/calc_program_folder.h"
#include "schema/schema_layers.h"
#include "analysis/jobs/calc_summary.h"
#include "analysis/jobs/calc_texts.h"
#include "analysis/solver/non_finite_results.h"
#include "frame/document_states.h"
#include "frame/plugin_lifecycle.h"
#include "frame/translation.h"
#include "host/open_object.h"
#include "host/output_files.h"
#include "netobj/network_dictionary.h"
#include "temp_path.h"
#include "text_codec.h"

#include <filesystem>
#include <functional>
#include <iostream>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

constexpr int kCalculated = 0;
constexpr int kNotCalculated = 1;
constexpr int kWrongArguments = 2;

void print(std::ostream& stream, const std::wstring& text) {
    stream << rvnos::toUtf8(text);
    stream.flush();
}

int notCalculated(const std::wstring& message) {
    print(std::cerr, message + L"\n");
    return kNotCalculated;
}

void progress(const TzRvnCalcOptions& options, const std::wstring& step) {
    if (options.verbose) print(std::cerr, step + L"\n");
}

// The folder of the reports, ending with a separator: DIR of --out (made when missing), else the
// temporary directory. Empty, with the message, when there is none.
std::wstring reportFolder(const TzRvnCalcOptions& options, std::wstring& message) {
    if (options.outFolder.empty()) {
        std::wstring temporary;
        if (!TemporaryFolder(temporary)) message = TranslateText(rvntext::kNoTempDirectory);
        return temporary;
    }
    const fs::path folder(rvnos::toUtf8(options.outFolder));
    std::error_code error;
    fs::create_directories(folder, error);
    if (!fs::is_directory(folder, error)) {
        message = FormatTranslated(rvntext::kCalcFolderNotMade, {std::wstring_view(options.outFolder)});
        return L"";
    }
    return options.outFolder.back() == L'/' ? options.outFolder : options.outFolder + L"/";
}

// --results FILE, else results.json in the folder of --out, else none.
std::wstring resultsPathFor(const TzRvnCalcOptions& options, const std::wstring& folder) {
    if (!options.resultsPath.empty()) return options.resultsPath;
    return options.outFolder.empty() ? L"" : folder + std::wstring(rvntext::kCalcResultsFileName);
}

// The report a run could not create or write, and why; empty when there is none.
std::wstring reportFailureLine(const TzRvnCalcRun& run, const TzRvnCalcFiles& files) {
    if (run.reportFailure.empty()) return {};
    const bool check =
        run.status == TzRvnCalcStatus::checkReportNotCreated || run.status == TzRvnCalcStatus::checkReportNotWritten;
    const std::wstring& report = check ? files.checkReport : files.calcReport;
    const std::wstring_view reason = run.reportFailure;
    return FormatTranslated(rvntext::kCalcFileNotWritten, {std::wstring_view(report), reason}) + L"\n";
}

// Checks and calculates the network under name, then tells the outcome; calculated tells whether
// finite results were stored (only those may be written back into a drawing).
int calculateNetwork(const TzRvnCalcOptions& options, const std::wstring& name, AcDbObjectId id,
                     const std::wstring& folder, bool& calculated) {
    const TzRvnCalcFiles files = CalcFilesIn(folder);
    progress(options,
             FormatTranslated(rvntext::kCalcCalculating, {std::wstring_view(name), std::wstring_view(folder)}));
    TzRvnSolverChoice choice(options.factorisation);
    choice.factorReady = [&](long long entries) {
        progress(options, FormatTranslated(rvntext::kCalcFactorSize, {std::wstring_view(std::to_wstring(entries))}));
    };
    TzRvnOpenObject<TzRvnNetwork> opened(id, AcDb::kForWrite);
    const TzRvnCalcRun run = opened.isOpen() ? RunNetworkCalculation(*opened, files, choice) : TzRvnCalcRun();
    const TzRvnNetworkData none;
    const TzRvnNetworkData& network = opened.isOpen() ? opened->data() : none;
    calculated = run.status == TzRvnCalcStatus::calculated && NonFiniteResults(network).empty();
    const std::wstring results = resultsPathFor(options, folder);
    std::wstring reason;
    const bool resultsWritten =
        results.empty() || WriteResultsJsonFile(results, network, run.check, run.calc, {&options.input, 1}, reason);
    print(std::cout, CalcSummary(name, run, network, files, resultsWritten ? results : L""));
    if (run.status != TzRvnCalcStatus::calculated) print(std::cerr, CalcRunMessage(run, files) + L"\n");
    print(std::cerr, reportFailureLine(run, files));
    const std::wstring diagnosis = CalcDiagnosis(run, network);
    print(std::cerr, diagnosis);
    if (!resultsWritten) {
        print(std::cerr, FormatTranslated(rvntext::kCalcResultsNotWritten,
                                          {std::wstring_view(results), std::wstring_view(reason)}) +
                             L"\n");
    }
    return calculated && diagnosis.empty() && resultsWritten ? kCalculated : kNotCalculated;
}

// The .ptv or .inp file read whole, then added to the current drawing as a new network and
// calculated.
int calculateImportedFile(const TzRvnCalcOptions& options) {
    if (const std::wstring drawing = DrawingWithoutNetworkMessage(options.input); !drawing.empty()) {
        return notCalculated(drawing);
    }
    progress(options, FormatTranslated(rvntext::kCalcImporting, {std::wstring_view(options.input)}));
    TzRvnImportAnswers answers(options.answer, isatty(STDIN_FILENO) != 0, std::cerr);
    TzRvnNetworkData network;
    std::wstring message = ImportNetworkFile(options.input, std::ref(answers), network);
    if (!message.empty()) return notCalculated(message);
    const std::wstring folder = reportFolder(options, message);
    if (folder.empty()) return notCalculated(message);
    TzRvnToolDrawing drawing;
    if (!drawing.create()) return notCalculated(TranslateText(rvntext::kCalcNoNewDrawing));
    const std::wstring name = PortaviaNetworkName(options.input);
    AcDbObjectId id;
    message = AddImportedNetwork(drawing.database(), name, std::move(network), options.input, id);
    if (!message.empty()) return notCalculated(message);
    bool calculated = false;
    return calculateNetwork(options, name, id, folder, calculated);
}

// The network to calculate (made from its schema when it is only drawn); empty on success, else
// why the job stops.
std::wstring networkToCalculate(const TzRvnCalcOptions& options, AcDbDatabase* database, AcDbObjectId& id) {
    std::wstring message;
    switch (FindOrMakeNetwork(database, options.networkName, id, message)) {
        case TzRvnNetworkLookup::found: return {};
        case TzRvnNetworkLookup::noSettings: return message;
        case TzRvnNetworkLookup::missing: return MissingNetworkMessage(database, options.input, options.networkName);
        case TzRvnNetworkLookup::madeFromSchema: break;
    }
    progress(options, FormatTranslated(rvntext::kCalcNetworkFromSchema, {std::wstring_view(options.networkName)}));
    return {};
}

// The network of a saved drawing, rebuilt from its schema when it is drawn, then calculated; with
// --save its data go back into the schema and the drawing is written back once the results are
// stored.
int calculateDrawingNetwork(const TzRvnCalcOptions& options) {
    progress(options, FormatTranslated(rvntext::kCalcOpening, {std::wstring_view(options.input)}));
    std::wstring message;
    TzRvnToolDrawing drawing;
    if (!drawing.open(options.input, message)) {
        return notCalculated(FormatTranslated(rvntext::kCalcHostMessage, {std::wstring_view(message)}));
    }
    AcDbObjectId id;
    message = networkToCalculate(options, drawing.database(), id);
    if (!message.empty()) return notCalculated(message);
    const std::wstring folder = reportFolder(options, message);
    if (folder.empty()) return notCalculated(message);
    message = RebuildNetworkFromSchema(drawing.database(), id, options.networkName);
    if (!message.empty()) return notCalculated(FormatTranslated(rvntext::kCalcHostMessage, {std::wstring_view(message)}));
    bool calculated = false;
    const int status = calculateNetwork(options, options.networkName, id, folder, calculated);
    if (!options.save) return status;
    if (!calculated) return notCalculated(TranslateText(rvntext::kCalcNotSaved));
    message = WriteNetworkSchema(id, options.networkName);
    if (!message.empty()) message = FormatTranslated(rvntext::kCalcHostMessage, {std::wstring_view(message)});
    if (message.empty()) message = drawing.save(options.input);
    if (!message.empty()) return notCalculated(message);
    print(std::cout, FormatTranslated(rvntext::kCalcSaved, {std::wstring_view(options.input)}) + L"\n");
    return status;
}

}  // namespace

int RunCalcTool(int argc, const char* const* argv) {
    const std::vector<std::string> arguments(argv + std::min(argc, 1), argv + argc);
    const TzRvnCalcOptions options = ParseCalcOptions(arguments);
    if (options.help) {
        print(std::cout, CalcUsageText());
        return kCalculated;
    }
    if (!options.error.empty()) {
        print(std::cerr, FormatTranslated(rvntext::kCalcArgumentError, {std::wstring_view(options.error)}) + L"\n");
        return kWrongArguments;
    }
    // The tool runs also when the load stopped at the translator: it then starts the plug-in's
    // services itself and its texts stay untranslated.
    if (!DocumentStatesStarted()) StartPluginServices();
    return options.importsNetworkFile() ? calculateImportedFile(options) : calculateDrawingNetwork(options);
}
