// The texts of the plug-in's frame: the job dispatcher's ("rivanta JOB ..."), the list of jobs and
// its refusals, and the host commands' frame's. They pass through the translator where they are
// shown, as every text of the product does.
#pragma once

#include <string_view>

namespace rvntext {

inline constexpr std::wstring_view kNoJobs = L"The Rivanta plug-in has no command-line jobs in this build.\n";
inline constexpr std::wstring_view kJobsHeading =
    L"Jobs of the Rivanta plug-in (rivanta JOB --help for their options):\n";
inline constexpr std::wstring_view kUnknownJob = L"rivanta: unknown job \"%s\"\nTry \"rivanta --help\".\n";
inline constexpr std::wstring_view kJobOutOfMemory = L"rivanta %s: not enough memory for this job\n";
inline constexpr std::wstring_view kCalcJobSummary =
    L"import a Portavia network file, check and calculate it, write its reports and results";
inline constexpr std::wstring_view kInpOutJobSummary =
    L"export a network of a saved drawing as an EPANET input file (.inp)";
inline constexpr std::wstring_view kSvgJobSummary =
    L"draw a network of a saved drawing as an SVG picture in the colours of its results";

// The host commands' frame: each message names the command and is translated whole, with the
// name in it, as the command line shows it.
inline constexpr std::wstring_view kCommandWithoutDrawing = L"\nImpossibile eseguire %s: nessun disegno corrente";
inline constexpr std::wstring_view kCommandNotAvailable = L"\n%s: non ancora disponibile in questa versione";
inline constexpr std::wstring_view kCommandOutOfMemory = L"\nImpossibile completare %s: memoria insufficiente";
inline constexpr std::wstring_view kCommandNotRegistered = L"\nImpossibile registrare il comando %s";

}  // namespace rvntext
