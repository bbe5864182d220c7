#include "analysis/calc_options.h"

#include "text_codec.h"

#include <string_view>

namespace {

// Takes the value of an option that needs one; false (with the error set) when it is missing.
bool takeValue(const std::vector<std::string>& arguments, std::size_t& at, std::wstring& value,
               TzRvnCalcOptions& options) {
    const std::wstring option = rvnos::fromUtf8(arguments[at]);
    if (at + 1 >= arguments.size() || arguments[at + 1].empty()) {
        options.error = option + L" needs a value";
        return false;
    }
    if (!value.empty()) {
        options.error = option + L" is given twice";
        return false;
    }
    value = rvnos::fromUtf8(arguments[++at]);
    return true;
}

bool setAnswer(TzRvnImportAnswer answer, TzRvnCalcOptions& options) {
    if (options.answer != TzRvnImportAnswer::ask && options.answer != answer) {
        options.error = L"--yes and --no exclude each other";
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
    options.error = L"--solver takes dense, exact or ordered, not \"" + name + L"\"";
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
    if (argument.size() > 1 && argument.front() == '-') {
        options.error = L"unknown option " + rvnos::fromUtf8(argument);
        return false;
    }
    if (!options.input.empty()) {
        options.error = L"one file at a time: \"" + rvnos::fromUtf8(argument) + L"\" follows \"" + options.input + L"\"";
        return false;
    }
    options.input = rvnos::fromUtf8(argument);
    return true;
}

// The combinations the two forms do not allow.
void checkForm(TzRvnCalcOptions& options) {
    if (options.input.empty()) {
        options.error = L"no file to calculate";
    } else if (options.importsNetworkFile() && options.save) {
        options.error = L"--save needs --network NAME (it writes a drawing back)";
    } else if (!options.importsNetworkFile() && options.answer != TzRvnImportAnswer::ask) {
        options.error = L"--yes and --no answer the questions of a .ptv import, not of a drawing";
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

std::wstring CalcUsageText() {
    return L"Usage: rivanta calc FILE.ptv [--out DIR] [--results FILE.json] [--yes|--no] [--solver KIND] [--verbose]\n"
           L"       rivanta calc FILE.inp [--out DIR] [--results FILE.json] [--solver KIND] [--verbose]\n"
           L"       rivanta calc DRAWING --network NAME [--save] [--out DIR] [--results FILE.json] [--solver KIND]\n"
           L"                    [--verbose]\n"
           L"\n"
           L"Imports a Portavia network file, or an EPANET input file (.inp, Darcy-Weisbach, without pumps,\n"
           L"valves, patterns or controls), into a new network of a new drawing (or takes the network NAME\n"
           L"of a saved drawing), checks its topology and calculates it. The topology report rvncheck.tmp and\n"
           L"the calculation report rvncalcr.tmp go to the temporary directory, or to DIR. A network drawn as\n"
           L"a schema is read again from the drawing first.\n"
           L"\n"
           L"What an imported file does not give comes from the program folder (\"tz-cpath\"): for an .inp\n"
           L"file the settings of rvnsetup.par that EPANET has no option for (units, initial velocity, minimum\n"
           L"branch flow, fluid, material, thresholds and colours) unless its \";RIVANTA\" lines give them; for\n"
           L"a .ptv file the default roughness, the first material of rvnmateriali.dat. A missing or malformed\n"
           L"file stops the job with its path and the line at fault.\n"
           L"\n"
           L"  --out DIR            write both reports, and results.json, into DIR (created when missing)\n"
           L"  --results FILE.json  write the results as JSON to FILE.json\n"
           L"  --yes, --no          answer the import's questions about values that are not positive;\n"
           L"                       without them they are asked on a terminal and refused elsewhere\n"
           L"  --network NAME       the network of the drawing to calculate\n"
           L"  --save               save the drawing with the results (and the network's data in its schema)\n"
           L"  --solver KIND        how each step's linear system is factorised: exact (the default: sparse,\n"
           L"                       in the network's node order, the dense results bit for bit), ordered\n"
           L"                       (sparse, nodes reordered to reduce fill: fast whatever the numbering,\n"
           L"                       results within rounding) or dense (the full matrix, for reference)\n"
           L"  --verbose            tell each step as it starts, and the factor's non-zero count\n"
           L"  --program-folder DIR the program folder (an option of the host program, also taken here)\n"
           L"  -h, --help           show this help\n"
           L"\n"
           L"Exit status: 0 calculated; 1 not calculated (import refused, check failed, calculation aborted\n"
           L"or results not finite, a file that cannot be read or written); 2 wrong arguments.\n";
}
