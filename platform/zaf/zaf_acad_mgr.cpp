#include "zaf_acad_mgr.h"

#include "acedads.h"

int ZafAcadMgr::zaf_acedGetString(int flag, const ACHAR* prompt, ACHAR* buffer, std::size_t bufferLength) {
    return acedGetString(flag, prompt, buffer, bufferLength);
}

int ZafAcadMgr::zaf_acedGetInput(ACHAR* buffer, std::size_t bufferLength) { return acedGetInput(buffer, bufferLength); }

int ZafAcadMgr::zaf_acdbRToS(double value, int unit, int precision, ACHAR* buffer, std::size_t bufferLength) {
    return acdbRToS(value, unit, precision, buffer, bufferLength);
}
