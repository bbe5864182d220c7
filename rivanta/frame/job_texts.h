// The texts of the plug-in's job dispatcher ("rivanta JOB ..."): the list of jobs and its refusals.
// They pass through the translator where they are shown, as every text of the product does.
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

}  // namespace rvntext
