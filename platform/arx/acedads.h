// The editor's C interface: user input at prompts, system variables, LISP symbols and the
// conversions between numbers and the drawing's unit texts. Results are RT codes (adscodes.h).
#pragma once

#include <cstddef>

#include "AdAChar.h"
#include "adscodes.h"
#include "adsdef.h"

// Flags of acedInitGet; they and its keywords apply to the next input call only.
#define RSG_NONULL 0x0001  // Return alone is refused and asked again
#define RSG_NOZERO 0x0002  // zero is refused
#define RSG_NONEG 0x0004   // negative values are refused
#define RSG_NOLIM 0x0008
#define RSG_GETZ 0x0010
#define RSG_DASH 0x0020
#define RSG_2D 0x0040
#define RSG_OTHER 0x0080   // any text is accepted as a keyword

// The longest answer acedGetString and acedGetInput hand over (without the terminator).
#define ACED_MAX_INPUT 132

// Sets the flags and the keyword list ("Sì No _ Yes No", "LTYPE,LT", "eXit") of the next input call.
int acedInitGet(int flags, const ACHAR* keywords);

// A point typed as "x,y", "x,y,z", "@dx,dy[,dz]" (from the last point) or "distance<angle".
// RTNORM, RTNONE (Return), RTKWORD (a keyword: acedGetInput gives it), RTCAN.
int acedGetPoint(const ads_point basePoint, const ACHAR* prompt, ads_point result);
// An integer from -32768 to 32767.
int acedGetInt(const ACHAR* prompt, int* result);
int acedGetReal(const ACHAR* prompt, ads_real* result);
// A text; unless cronly, a blank ends it and the rest of the line answers the next prompt.
// RTINPUTTRUNCATED when the text did not fit (it is cut to the buffer).
int acedGetString(int cronly, const ACHAR* prompt, ACHAR* result, std::size_t bufferLength);
// One of the keywords of acedInitGet (any text with RSG_OTHER), as written in the list.
int acedGetKword(const ACHAR* prompt, ACHAR* result, std::size_t bufferLength);
// The keyword (or arbitrary text) of the last input call that answered RTKWORD; RTERROR otherwise.
int acedGetInput(ACHAR* result, std::size_t bufferLength);
// An entity: a point picked on it, or its handle typed as "#1A". RTERROR when nothing is found
// (ERRNO 7) or on Return (ERRNO 52).
int acedEntSel(const ACHAR* prompt, ads_name entity, ads_point pickPoint);

template <std::size_t N>
int acedGetString(int cronly, const ACHAR* prompt, ACHAR (&result)[N]) {
    return acedGetString(cronly, prompt, result, N);
}
template <std::size_t N>
int acedGetKword(const ACHAR* prompt, ACHAR (&result)[N]) {
    return acedGetKword(prompt, result, N);
}
template <std::size_t N>
int acedGetInput(ACHAR (&result)[N]) {
    return acedGetInput(result, N);
}

// System variables. acedGetVar fills result (a string is a new copy the caller frees with
// acutDelString); RTERROR for an unknown variable or a value refused by acedSetVar.
int acedGetVar(const ACHAR* name, resbuf* result);
int acedSetVar(const ACHAR* name, const resbuf* value);

// LISP symbols (names without regard to case). acedGetSym gives a new list (free it with
// acutRelRb), or null with RTNORM when the symbol is unbound or nil. acedPutSym binds a copy of
// the list; a value of RTNIL unbinds the symbol.
int acedGetSym(const ACHAR* name, resbuf** value);
int acedPutSym(const ACHAR* name, resbuf* value);

// Numbers in the drawing's units. unit -1 and precision -1 mean the current drawing's (LUNITS,
// LUPREC; AUNITS for angles). RTERROR for a text that is not a number or for units not built.
int acdbRToS(ads_real value, int unit, int precision, ACHAR* text, std::size_t bufferLength);
int acdbDisToF(const ACHAR* text, int unit, ads_real* value);
// An angle text to radians.
int acdbAngToF(const ACHAR* text, int unit, ads_real* value);

template <std::size_t N>
int acdbRToS(ads_real value, int unit, int precision, ACHAR (&text)[N]) {
    return acdbRToS(value, unit, precision, text, N);
}

// Carries a point (disp 0) or a displacement (disp not 0) from one coordinate system to another.
// Each system is an RTSHORT: 0 the world (WCS), 1 the current user system (UCS), 2 the display
// system of the view (DCS; the view looks down the world Z axis at the world origin, so it is the
// WCS here); or an RT3DPOINT, the normal of an entity's plane (its OCS, by the arbitrary axis rule).
// RTNORM, or RTERROR (ERRNO 15 or 16) for arguments or systems the host does not know.
int acedTrans(const ads_point point, const resbuf* from, const resbuf* to, int disp, ads_point result);
