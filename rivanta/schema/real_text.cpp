#include "schema/real_text.h"

#include "adscodes.h"
#include "network/number_text.h"
#include "zaf_acad_mgr.h"

std::wstring FormatDrawingReal(double value) {
    wchar_t buffer[ZafAcadMgr::kBufferLength] = {};
    if (ZafAcadMgr::zaf_acdbRToS(value, -1, -1, buffer) != RTNORM) return L"0";
    return buffer;
}

double ParseDrawingReal(std::wstring_view text) { return LeadingDouble(text); }
