#include "analysis/exchange/inp_refusal.h"

TzRvnInpRefusal InpRefusal(const TzRvnInpSection& section, int line, std::wstring_view reason,
                           std::wstring_view argument) {
    return {section.name, line, reason, std::wstring(argument)};
}
