#include "network/name_field.h"

#include "network/unicode_text.h"

#include <algorithm>

namespace {

bool fitsNameField(std::wstring_view text) {
    return text.find(L'\0') == std::wstring_view::npos && rvnutf::utf16Length(text) <= TzRvnName::kMaxUnits;
}

}  // namespace

std::optional<TzRvnName> TzRvnName::from(std::wstring_view text) {
    TzRvnName name;
    if (!name.assign(text)) return std::nullopt;
    return name;
}

bool TzRvnName::assign(std::wstring_view text) {
    if (!fitsNameField(text)) return false;
    chars_.fill(L'\0');
    std::copy(text.begin(), text.end(), chars_.begin());
    length_ = text.size();
    return true;
}
