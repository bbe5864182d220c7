// The texts of the job "rivanta calc" itself: its usage, its argument errors, its progress, its
// summary and its refusals. The plug-in's own texts (Italian) are in analysis_texts.h and
// calc_texts.h; these pass through the translator too, where they are shown, so that a translator
// library can give the whole product one language. Each is one line or more of its own: a line
// never joins one of these to a text of the plug-in.
#pragma once

#include <string_view>

namespace rvntext {

// Usage, in pieces a translator can take whole (each under 1023 characters).
inline constexpr std::wstring_view kCalcUsageForms =
    L"Usage: rivanta calc FILE.ptv [--out DIR] [--results FILE.json] [--yes|--no] [--solver KIND] [--verbose]\n"
    L"       rivanta calc FILE.inp [--out DIR] [--results FILE.json] [--solver KIND] [--verbose]\n"
    L"       rivanta calc DRAWING --network NAME [--save] [--out DIR] [--results FILE.json] [--solver KIND]\n"
    L"                    [--verbose]\n";
inline constexpr std::wstring_view kCalcUsageWhat =
    L"Imports a Portavia network file, or an EPANET input file (.inp, Darcy-Weisbach, without pumps,\n"
    L"valves, patterns or controls), into a new network of a new drawing (or takes the network NAME\n"
    L"of a saved drawing), checks its topology and calculates it. The topology report rvncheck.tmp and\n"
    L"the calculation report rvncalcr.tmp go to the temporary directory, or to DIR. A network drawn as\n"
    L"a schema is read again from the drawing first.\n";
inline constexpr std::wstring_view kCalcUsageProgramFolder =
    L"What an imported file does not give comes from the program folder (\"tz-cpath\"): for an .inp\n"
    L"file the settings of rvnsetup.par that EPANET has no option for (units, initial velocity, minimum\n"
    L"branch flow, fluid, material, thresholds and colours) unless its \";RIVANTA\" lines give them; for\n"
    L"a .ptv file the default roughness, the first material of rvnmateriali.dat. A missing or malformed\n"
    L"file stops the job with its path and the line at fault.\n";
inline constexpr std::wstring_view kCalcUsageFiles =
    L"  --out DIR            write both reports, and results.json, into DIR (created when missing)\n"
    L"  --results FILE.json  write the results as JSON to FILE.json\n"
    L"  --yes, --no          answer the import's questions about values that are not positive;\n"
    L"                       without them they are asked on a terminal and refused elsewhere\n"
    L"  --network NAME       the network of the drawing to calculate\n"
    L"  --save               save the drawing with the results (and the network's data in its schema)\n";
inline constexpr std::wstring_view kCalcUsageRun =
    L"  --solver KIND        how each step's linear system is factorised: exact (the default: sparse,\n"
    L"                       in the network's node order, the dense results bit for bit), ordered\n"
    L"                       (sparse, nodes reordered to reduce fill: fast whatever the numbering,\n"
    L"                       results within rounding) or dense (the full matrix, for reference)\n"
    L"  --verbose            tell each step as it starts, and the factor's non-zero count\n"
    L"  --program-folder DIR the program folder (an option of the host program, also taken here)\n"
    L"  -h, --help           show this help\n";
inline constexpr std::wstring_view kCalcUsageExit =
    L"Exit status: 0 calculated; 1 not calculated (import refused, check failed, calculation aborted\n"
    L"or results not finite, a file that cannot be read or written); 2 wrong arguments.\n";

// Argument errors, each followed by the pointer to the help.
inline constexpr std::wstring_view kCalcArgumentError = L"rivanta calc: %s\nTry \"rivanta calc --help\".";
inline constexpr std::wstring_view kCalcNeedsValue = L"%s needs a value";
inline constexpr std::wstring_view kCalcGivenTwice = L"%s is given twice";
inline constexpr std::wstring_view kCalcYesAndNo = L"--yes and --no exclude each other";
inline constexpr std::wstring_view kCalcUnknownSolver = L"--solver takes dense, exact or ordered, not \"%s\"";
inline constexpr std::wstring_view kCalcUnknownOption = L"unknown option %s";
inline constexpr std::wstring_view kCalcOneFile = L"one file at a time: \"%s\" follows \"%s\"";
inline constexpr std::wstring_view kCalcNoFile = L"no file to calculate";
inline constexpr std::wstring_view kCalcSaveNeedsNetwork = L"--save needs --network NAME (it writes a drawing back)";
inline constexpr std::wstring_view kCalcAnswersNeedImport =
    L"--yes and --no answer the questions of a .ptv import, not of a drawing";

// The answer to an import's question, on the line after the question.
inline constexpr std::wstring_view kCalcAnsweredYes = L"-> yes (--yes)";
inline constexpr std::wstring_view kCalcAnsweredNo = L"-> no (--no)";
inline constexpr std::wstring_view kCalcRefusedUnasked = L"-> refused: no terminal to ask (answer with --yes or --no)";

// Progress, with --verbose.
inline constexpr std::wstring_view kCalcImporting = L"Importing \"%s\"";
inline constexpr std::wstring_view kCalcOpening = L"Opening \"%s\"";
inline constexpr std::wstring_view kCalcNetworkFromSchema =
    L"Network \"%s\" made from its schema with the installed settings";
inline constexpr std::wstring_view kCalcCalculating = L"Checking and calculating network \"%s\" into %s";
inline constexpr std::wstring_view kCalcFactorSize = L"Factor of the system: %s non-zeros";

// The summary.
inline constexpr std::wstring_view kCalcNetworkCounts = L"Network \"%s\": nodes %d, branches %d, tanks %d";
inline constexpr std::wstring_view kCalcHeads = L"H max %s, H min %s";
inline constexpr std::wstring_view kCalcNotFinite = L"Results not finite after %d iterations: no solution";
inline constexpr std::wstring_view kCalcConverged = L"Converged after %d iterations";
inline constexpr std::wstring_view kCalcIterationLimit =
    L"Stopped at the iteration limit after %d iterations, tolerances not met";
inline constexpr std::wstring_view kCalcTopologyReport = L"Topology report: \"%s\"";
inline constexpr std::wstring_view kCalcCalculationReport = L"Calculation report: \"%s\"";
inline constexpr std::wstring_view kCalcResults = L"Results: \"%s\"";

// The elements behind a calculation without usable results; a list, then " and N more".
inline constexpr std::wstring_view kCalcUnfedNodes = L"Nodes that no tank feeds: %s";
inline constexpr std::wstring_view kCalcNonFiniteNodes = L"Nodes whose results are not finite: %s";
inline constexpr std::wstring_view kCalcNonFiniteBranches = L"Branches whose results are not finite: %s";
inline constexpr std::wstring_view kCalcNonFiniteTanks = L"Tanks whose flow is not finite: %s";
inline constexpr std::wstring_view kCalcMoreElements = L"%s and %d more";
inline constexpr std::wstring_view kCalcUnnamedNode = L"(node %d without a name)";
inline constexpr std::wstring_view kCalcTankAtNode = L"%d (node %s)";

// Pieces of the lines above, written as they stand (not translated): a path or a name between
// quotation marks, the separator of a list, a branch named by its number and its nodes, the
// results file that --out DIR gets.
inline constexpr std::wstring_view kCalcQuoted = L"\"%s\"";
inline constexpr std::wstring_view kCalcListSeparator = L", ";
inline constexpr std::wstring_view kCalcBranchLabel = L"%d (%s-%s)";
inline constexpr std::wstring_view kCalcResultsFileName = L"results.json";

// Files and folders.
inline constexpr std::wstring_view kCalcHostMessage = L"rivanta calc: %s";
inline constexpr std::wstring_view kCalcFolderNotMade = L"rivanta calc: cannot make the folder \"%s\"";
inline constexpr std::wstring_view kCalcFileNotWritten = L"rivanta calc: cannot write \"%s\": %s";
inline constexpr std::wstring_view kCalcResultsNotWritten = L"rivanta calc: cannot write the results to \"%s\": %s";
inline constexpr std::wstring_view kCalcNoNewDrawing = L"rivanta calc: the host made no new drawing";
inline constexpr std::wstring_view kCalcNotSaved = L"Drawing not saved: the calculation gave no usable results";
inline constexpr std::wstring_view kCalcSaved = L"Saved \"%s\"";

// The networks of a drawing.
inline constexpr std::wstring_view kCalcNoSuchNetwork = L"rivanta calc: the drawing \"%s\" has no network \"%s\" (%s)";
inline constexpr std::wstring_view kCalcNeedsNetworkName =
    L"rivanta calc: \"%s\" is a drawing: name the network to calculate with --network NAME (%s)";
inline constexpr std::wstring_view kCalcDxfFile =
    L"rivanta calc: \"%s\" is a DXF file, which holds no network data: calculate the drawing it was "
    L"written from (DRAWING --network NAME)";
inline constexpr std::wstring_view kCalcUnknownText =
    L"rivanta calc: \"%s\" is text that is no network file: a Portavia file is binary, an EPANET input "
    L"file opens with a section such as [JUNCTIONS]";
inline constexpr std::wstring_view kCalcNoNetworks = L"it has no networks";
inline constexpr std::wstring_view kCalcNetworkList = L"its networks: %s";
// The network's name, then why: a reason of the host for an object kept as a proxy, or one below.
inline constexpr std::wstring_view kCalcNetworkNotOpened = L"the network \"%s\" cannot be opened: %s";
inline constexpr std::wstring_view kCalcNotANetwork = L"it is an object of class %s, not a network";
inline constexpr std::wstring_view kCalcOpenStatus = L"the host refused it (status %d)";
inline constexpr std::wstring_view kCalcSchemaNotRead =
    L"the network \"%s\" cannot be read from its schema in the drawing";
inline constexpr std::wstring_view kCalcSchemaNotWritten = L"the schema of the network \"%s\" cannot be written";

// The program folder and its files.
inline constexpr std::wstring_view kCalcNoProgramFolder =
    L"rivanta calc: no program folder (the settings file and the materials archive lie there): give one "
    L"with --program-folder DIR";
inline constexpr std::wstring_view kCalcSettingsFile = L"the settings file";
inline constexpr std::wstring_view kCalcMaterialsFile = L"the materials archive";
// What is wrong with a line of one of them.
inline constexpr std::wstring_view kLineMissing = L"missing, the file ends after line %d";
inline constexpr std::wstring_view kLineTooLong = L"longer than %d characters";
inline constexpr std::wstring_view kLineEmpty = L"empty, not a number";
inline constexpr std::wstring_view kLineNotInteger = L"\"%s\" is not an integer";
inline constexpr std::wstring_view kLineNotNumber = L"\"%s\" is not a number";
inline constexpr std::wstring_view kLineBeyondInteger = L"\"%s\" is beyond the range of a 32-bit integer";
inline constexpr std::wstring_view kLineBeyondReal = L"\"%s\" is beyond the range of a real";
// What (one of the two above), its path.
inline constexpr std::wstring_view kCalcFileNotRead = L"rivanta calc: cannot read %s \"%s\"";
inline constexpr std::wstring_view kCalcFileFault = L"rivanta calc: %s \"%s\", line %d: %s";
inline constexpr std::wstring_view kCalcNoMaterial = L"rivanta calc: %s \"%s\" holds no material";

}  // namespace rvntext
