// The loaded translator library and the functions fetched from it; empty when none is loaded.
#pragma once

#include <string>

using TraduciMessaggioVoidFn = void (*)(wchar_t* text, const wchar_t* appName, const wchar_t* extension);

struct TranslatorState {
    std::wstring applicationName;
    std::wstring extension;
    TraduciMessaggioVoidFn translateMessage = nullptr;
};

TranslatorState& translatorState();
