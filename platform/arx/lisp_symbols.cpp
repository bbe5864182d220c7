#include "lisp_symbols.h"

#include "acedads.h"
#include "acutmem.h"
#include "adscodes.h"

#include <algorithm>
#include <cwctype>

namespace rvnhost {

namespace {

std::wstring upperCase(const std::wstring& text) {
    std::wstring upper(text);
    for (auto& c : upper) c = static_cast<wchar_t>(std::towupper(c));
    return upper;
}

bool isLispType(short type) {
    switch (type) {
        case RTSTR: case RTREAL: case RTSHORT: case RTLONG: case RTPOINT: case RT3DPOINT: case RTANG:
        case RTORINT: case RTENAME: case RTLB: case RTLE: case RTDOTE: case RTNIL: case RTT:
            return true;
        default:
            return false;
    }
}

// The list's items, or an empty vector when it holds something LISP cannot or its marks do not pair.
std::vector<LispItem> itemsOf(const resbuf* list) {
    std::vector<LispItem> items;
    int depth = 0;
    for (const resbuf* item = list; item; item = item->rbnext) {
        if (!isLispType(item->restype) || (item->restype == RTSTR && item->resval.rstring == nullptr)) return {};
        if (item->restype == RTLB) ++depth;
        if (item->restype == RTLE || item->restype == RTDOTE) --depth;
        if (depth < 0) return {};
        LispItem copy{item->restype, item->resval, {}};
        if (item->restype == RTSTR) copy.text = item->resval.rstring;
        items.push_back(std::move(copy));
    }
    return depth == 0 ? items : std::vector<LispItem>{};
}

resbuf* newItem(const LispItem& item) {
    resbuf* made = acutNewRb(item.type);
    if (!made) return nullptr;
    if (item.type == RTSTR) {
        made->resval.rstring = nullptr;
        if (acutNewString(item.text.c_str(), made->resval.rstring) != Acad::eOk) {
            acutRelRb(made);
            return nullptr;
        }
    } else {
        made->resval = item.value;
    }
    return made;
}

}  // namespace

LispSymbols& LispSymbols::instance() {
    static LispSymbols symbols;
    return symbols;
}

int LispSymbols::put(const std::wstring& name, const resbuf* list) {
    if (name.empty() || list == nullptr) return RTERROR;
    const std::wstring key = upperCase(name);
    std::erase_if(symbols_, [&](const auto& symbol) { return symbol.first == key; });
    if (list->restype == RTNIL && list->rbnext == nullptr) return RTNORM;
    std::vector<LispItem> items = itemsOf(list);
    if (items.empty()) return RTERROR;
    symbols_.emplace_back(key, std::move(items));
    return RTNORM;
}

resbuf* LispSymbols::get(const std::wstring& name) const {
    const std::wstring key = upperCase(name);
    const auto found = std::find_if(symbols_.begin(), symbols_.end(), [&](const auto& symbol) { return symbol.first == key; });
    if (found == symbols_.end()) return nullptr;
    resbuf* head = nullptr;
    resbuf** tail = &head;
    for (const LispItem& item : found->second) {
        *tail = newItem(item);
        if (!*tail) {
            acutRelRb(head);
            return nullptr;
        }
        tail = &(*tail)->rbnext;
    }
    return head;
}

bool LispSymbols::isBound(const std::wstring& name) const {
    const std::wstring key = upperCase(name);
    return std::any_of(symbols_.begin(), symbols_.end(), [&](const auto& symbol) { return symbol.first == key; });
}

void putLispString(const std::wstring& name, const std::wstring& value) {
    resbuf text{};
    text.restype = RTSTR;
    std::wstring copy = value;
    text.resval.rstring = copy.data();
    LispSymbols::instance().put(name, &text);
}

}  // namespace rvnhost

int acedGetSym(const ACHAR* name, resbuf** value) {
    if (name == nullptr || value == nullptr) return RTERROR;
    *value = rvnhost::LispSymbols::instance().get(name);
    return RTNORM;
}

int acedPutSym(const ACHAR* name, resbuf* value) {
    if (name == nullptr) return RTERROR;
    return rvnhost::LispSymbols::instance().put(name, value);
}
