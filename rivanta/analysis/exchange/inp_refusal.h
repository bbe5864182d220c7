// Why an EPANET input file was refused: the section and line, and the reason (translated).
#pragma once

#include "analysis/exchange/inp_lines.h"

#include <string>

struct TzRvnInpRefusal {
    std::wstring section;  // "[PUMPS]"; "" for the part before the first header
    int line = 0;
    std::wstring reason;
};

// A refusal at a line of section, with a reason in its translated form: the format filled with one
// text argument, or the text itself when it has none.
TzRvnInpRefusal InpRefusal(const TzRvnInpSection& section, int line, std::wstring_view reason,
                           std::wstring_view argument = {});
