#include "frame/translation.h"

#include "frame/translator_state.h"

#include <algorithm>
#include <cwchar>

std::wstring TranslateText(std::wstring_view text) {
    constexpr std::size_t kBufferUnits = 1024;
    std::wstring copy(text.substr(0, kBufferUnits - 1));
    const TranslatorState& state = translatorState();
    if (!state.translateMessage) return copy;
    wchar_t buffer[kBufferUnits] = {};
    std::copy(copy.begin(), copy.end(), buffer);
    state.translateMessage(buffer, state.applicationName.c_str(), state.extension.c_str());
    buffer[kBufferUnits - 1] = L'\0';
    return std::wstring(buffer);
}

std::wstring FormatTranslated(std::wstring_view format, std::initializer_list<TzRvnTextArg> args) {
    return FormatText(TranslateText(format), args);
}

void TranslateDialog(CWnd* window) {
    const TranslatorState& state = translatorState();
    if (state.translateDialog && window) {
        state.translateDialog(window, state.applicationName.c_str(), state.extension.c_str());
    }
}

void TranslateMenu(CMenu* menu) {
    const TranslatorState& state = translatorState();
    if (state.translateMenu && menu) state.translateMenu(menu);
}
