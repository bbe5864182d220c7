#include "ucs_command.h"

#include <cwchar>
#include <numbers>

#include "aced.h"
#include "acedads.h"
#include "acutads.h"
#include "name_compare.h"
#include "rxregsvc.h"
#include "sysvars.h"
#include "ucs.h"

namespace rvnhost {

namespace {

constexpr double kDefaultZRotation = std::numbers::pi / 2.0;

AcGePoint3d toWorld(const ads_point ucsPoint) {
    ads_point world;
    acdbUcs2Wcs(ucsPoint, world, false);
    return {world[X], world[Y], world[Z]};
}

// The typed angle in the drawing's angular units; the default on Return; false on Cancel.
bool askZRotation(double& angle) {
    for (;;) {
        ACHAR text[ACED_MAX_INPUT + 1] = L"";
        if (acedGetString(0, L"\nSpecify rotation angle about Z axis <90>: ", text) != RTNORM) return false;
        if (text[0] == L'\0') {
            angle = kDefaultZRotation;
            return true;
        }
        if (acdbAngToF(text, -1, &angle) == RTNORM) return true;
        acutPrintf(L"\nRequires valid numeric angle or second point.");
    }
}

void rotateAboutZ() {
    double angle = 0.0;
    if (!askZRotation(angle)) return;
    const Ucs& current = currentUcs();
    const AcGeMatrix3d turn = AcGeMatrix3d::rotation(angle, current.xAxis.crossProduct(current.yAxis));
    setCurrentUcs(current.origin, turn * current.xAxis, turn * current.yAxis);
}

// A direction from the origin to a typed point; the fallback on Return; false on Cancel.
bool askDirection(const ACHAR* prompt, const AcGePoint3d& origin, const AcGeVector3d& fallback,
                  AcGeVector3d& direction) {
    ads_point typed;
    const int status = acedGetPoint(nullptr, prompt, typed);
    if (status == RTNONE) direction = fallback;
    if (status == RTNORM) direction = toWorld(typed) - origin;
    return status == RTNORM || status == RTNONE;
}

void threePointUcs(const ads_point typedOrigin) {
    const Ucs current = currentUcs();
    const AcGePoint3d origin = toWorld(typedOrigin);
    AcGeVector3d xDirection, yDirection;
    if (!askDirection(L"\nSpecify point on X-axis or <Accept>: ", origin, current.xAxis, xDirection)) return;
    const AcGeVector3d keptY = current.xAxis.crossProduct(current.yAxis).crossProduct(xDirection);
    if (!askDirection(L"\nSpecify point on the XY plane or <Accept>: ", origin, keptY, yDirection)) return;
    if (!setCurrentUcs(origin, xDirection, yDirection)) acutPrintf(L"\nThe points do not define a coordinate system.");
}

int pointVariable(resbuf& result, const AcGeVector3d& value) {
    result.restype = RT3DPOINT;
    result.resval.rpoint[X] = value.x;
    result.resval.rpoint[Y] = value.y;
    result.resval.rpoint[Z] = value.z;
    return RTNORM;
}

void defineUcsVariables() {
    defineVariable(L"UCSORG", [](resbuf& result) { return pointVariable(result, currentUcs().origin.asVector()); });
    defineVariable(L"UCSXDIR", [](resbuf& result) { return pointVariable(result, currentUcs().xAxis); });
    defineVariable(L"UCSYDIR", [](resbuf& result) { return pointVariable(result, currentUcs().yAxis); });
    defineVariable(L"WORLDUCS", [](resbuf& result) {
        result.restype = RTSHORT;
        result.resval.rint = isWorldUcs() ? 1 : 0;
        return RTNORM;
    });
}

const bool kInstalled = (installUcsServices(), true);

}  // namespace

void ucsCommand() {
    acedInitGet(0, L"World Z");
    ads_point origin;
    const int status = acedGetPoint(nullptr, L"\nSpecify origin of UCS or [World/Z] <World>: ", origin);
    if (status == RTNONE) setWorldUcs();
    if (status == RTNORM) threePointUcs(origin);
    if (status != RTKWORD) return;
    ACHAR keyword[ACED_MAX_INPUT + 1] = L"";
    acedGetInput(keyword);
    if (sameName(keyword, L"World")) setWorldUcs();
    if (sameName(keyword, L"Z")) rotateAboutZ();
}

void installUcsServices() {
    defineUcsVariables();
    if (acedRegCmds->lookupGlobalCmd(L"UCS") == nullptr) {
        acedRegCmds->addCommand(L"ACAD", L"UCS", L"UCS", ACRX_CMD_MODAL, ucsCommand);
    }
}

}  // namespace rvnhost
