// acdbRToS, acdbDisToF and acdbAngToF over the unit formats, with the current drawing's units
// and precision standing for -1.
#include "acedads.h"
#include "dbmain.h"
#include "sysvars.h"
#include "transcript.h"
#include "units_format.h"

#include <algorithm>
#include <cwchar>

namespace {

constexpr int kDefaultLinearUnits = 2;
constexpr int kDefaultPrecision = 4;

int currentLinearUnits() {
    const AcDbDatabase* database = rvnhost::workingDatabase();
    return database ? database->lunits() : kDefaultLinearUnits;
}

int currentPrecision() {
    const AcDbDatabase* database = rvnhost::workingDatabase();
    return database ? database->luprec() : kDefaultPrecision;
}

// Units the host knows but has not built are refused with a line that says so.
void reportUnitsNotBuilt(rvnhost::UnitsSupport support, const wchar_t* call, const wchar_t* kind, int units) {
    if (support != rvnhost::UnitsSupport::NotBuilt) return;
    rvnhost::Transcript::instance().add(rvnhost::TranscriptKind::Error, std::wstring(call) + L": " + kind + L" units " +
                                                                            std::to_wstring(units) +
                                                                            L" are not supported by this host");
}

}  // namespace

int acdbRToS(ads_real value, int unit, int precision, ACHAR* text, std::size_t bufferLength) {
    if (text == nullptr || bufferLength == 0) return RTERROR;
    text[0] = L'\0';
    if (unit == -1) unit = currentLinearUnits();
    if (precision == -1) precision = currentPrecision();
    reportUnitsNotBuilt(rvnhost::linearUnitsSupport(unit), L"acdbRToS", L"linear", unit);
    const std::optional<std::wstring> formatted = rvnhost::formatLinear(value, unit, precision);
    if (!formatted || formatted->size() >= bufferLength) return RTERROR;
    std::wmemcpy(text, formatted->c_str(), formatted->size() + 1);
    return RTNORM;
}

int acdbDisToF(const ACHAR* text, int unit, ads_real* value) {
    if (text == nullptr || value == nullptr) return RTERROR;
    if (unit == -1) unit = currentLinearUnits();
    reportUnitsNotBuilt(rvnhost::linearUnitsSupport(unit), L"acdbDisToF", L"linear", unit);
    const std::optional<double> parsed = rvnhost::parseLinear(text, unit);
    if (!parsed) return RTERROR;
    *value = *parsed;
    return RTNORM;
}

int acdbAngToF(const ACHAR* text, int unit, ads_real* value) {
    if (text == nullptr || value == nullptr) return RTERROR;
    if (unit == -1) unit = rvnhost::integerVariable(L"AUNITS", 0);
    reportUnitsNotBuilt(rvnhost::angularUnitsSupport(unit), L"acdbAngToF", L"angular", unit);
    const std::optional<double> parsed = rvnhost::parseAngle(text, unit);
    if (!parsed) return RTERROR;
    *value = *parsed;
    return RTNORM;
}
