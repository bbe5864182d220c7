// The maker's geometry library: its prompt and number-formatting operations, over the editor.
#pragma once

#include <cstddef>

#include "AdAChar.h"

class ZafAcadMgr {
public:
    // The buffer length the operations assume when the caller gives none.
    static constexpr std::size_t kBufferLength = 133;

    // A text typed at the prompt (flag: blanks allowed, as acedGetString's cronly). The editor's result.
    static int zaf_acedGetString(int flag, const ACHAR* prompt, ACHAR* buffer,
                                 std::size_t bufferLength = kBufferLength);
    // The text typed where the last input call answered RTKWORD. RTNORM or RTERROR.
    static int zaf_acedGetInput(ACHAR* buffer, std::size_t bufferLength = kBufferLength);
    // The value in the units and precision (-1: the current drawing's). RTNORM or RTERROR.
    static int zaf_acdbRToS(double value, int unit, int precision, ACHAR* buffer,
                            std::size_t bufferLength = kBufferLength);
};
