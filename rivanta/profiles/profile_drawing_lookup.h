// What the profile drawing looks up in the drawing before it draws a profile: the next title block
// number, whether a profile was drawn already, and the real values of the host's LISP symbols.
#pragma once

#include "dbmain.h"

#include <optional>
#include <string>

// One more than the largest number n among the block definitions "TZ-RR" + n (the name's sixth
// character a digit); 1 when there is none.
int NextTitleNumber(AcDbDatabase* database);

// True when a block reference in model space, of a block whose name begins with "TZ-RR", has the
// attribute OBJ2 equal to the profile key.
bool ProfileKeyDrawn(AcDbDatabase* database, const std::wstring& key);

// The real held by the LISP symbol; nothing when it is unset or holds something else.
std::optional<double> RealSymbol(const wchar_t* name);

// The margin above and below a profile's extremes in its frame: "TZDISQR", else 0 (the profile
// drawn without margin).
double ProfileMargin();
