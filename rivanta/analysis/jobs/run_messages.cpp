#include "analysis/jobs/run_messages.h"

#include "analysis/jobs/calc_texts.h"
#include "frame/translation.h"

namespace {

std::wstring quoted(std::wstring_view path) { return L"\"" + std::wstring(path) + L"\""; }

}  // namespace

std::wstring CheckFailedMessage(std::wstring_view checkReportPath) {
    return TranslateText(rvntext::kCheckFailed) + quoted(checkReportPath) + L"\n" +
           TranslateText(rvntext::kCheckFailedTail);
}

std::wstring CalcAbortedMessage(std::wstring_view calcReportPath) {
    return TranslateText(rvntext::kCalcAborted) + quoted(calcReportPath) + L"\n" +
           TranslateText(rvntext::kCalcAbortedTail);
}

std::wstring CalcDoneMessage(std::wstring_view calcReportPath) {
    return TranslateText(rvntext::kCalcDone) + TranslateText(rvntext::kCalcDoneReport) + L"  " +
           quoted(calcReportPath);
}
