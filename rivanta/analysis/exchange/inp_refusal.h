// Why an EPANET input file was refused: the section and line, and the reason.
#pragma once

#include "analysis/exchange/inp_lines.h"

#include <string>
#include <string_view>

struct TzRvnInpRefusal {
    std::wstring section;      // "[PUMPS]"; "" for the part before the first header
    int line = 0;
    std::wstring_view reason;  // one of the reasons of inp_texts.h, as it stands: the plug-in
                               // translates it where it shows it
    std::wstring argument;     // what the reason names (its one %s), when it names something
};

// A refusal at a line of section, with a reason of inp_texts.h and the text it names.
TzRvnInpRefusal InpRefusal(const TzRvnInpSection& section, int line, std::wstring_view reason,
                           std::wstring_view argument = {});
