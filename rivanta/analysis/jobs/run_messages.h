// The messages that close a calculation run (shown by the network database dialog and by the
// command line), translated, with the report paths between quotation marks.
#pragma once

#include <string>
#include <string_view>

// The topology check failed: where to read why, and that the calculation cannot start.
std::wstring CheckFailedMessage(std::wstring_view checkReportPath);

// The calculation was aborted: where to read why.
std::wstring CalcAbortedMessage(std::wstring_view calcReportPath);

// The calculation ended: where its report is.
std::wstring CalcDoneMessage(std::wstring_view calcReportPath);
