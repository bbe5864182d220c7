// System variables as acedGetVar and acedSetVar see them. LUNITS, LUPREC, CLAYER, TEXTSTYLE and
// TEXTSIZE live in the working database; ERRNO, AUNITS, AUPREC and LASTPOINT the host keeps
// itself. Other parts of the host define variables of their own (the view's and the UCS's).
// Names are compared without regard to case.
#pragma once

#include <functional>
#include <string>

#include "adsdef.h"

class AcDbDatabase;

namespace rvnhost {

// Fills the result buffer with the variable's type and value; RTNORM or RTERROR.
using VariableGetter = std::function<int(resbuf& result)>;
// Takes a new value; RTNORM, or RTERROR when the value is refused (type or range).
using VariableSetter = std::function<int(const resbuf& value)>;

// Defines or redefines a variable; without a setter it is read-only.
void defineVariable(const std::wstring& name, VariableGetter get, VariableSetter set = {});

int getVariable(const std::wstring& name, resbuf& result);
int setVariable(const std::wstring& name, const resbuf& value);
// A short or long variable's value, or fallback when there is no such variable.
int integerVariable(const std::wstring& name, int fallback);

// ERRNO: the reason of the last failure of a host function.
void setErrno(int code);

// The database the editor and the variables work on, or null when no drawing is open.
AcDbDatabase* workingDatabase();

}  // namespace rvnhost
