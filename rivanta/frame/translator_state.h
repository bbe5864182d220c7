// The loaded translator library and the functions fetched from it; empty when none is loaded.
#pragma once

#include "win_types.h"

#include <string>

class CMenu;
class CWnd;

using TraduciMfcFn = void (*)(CWnd* window, const wchar_t* appName, const wchar_t* extension);
// Translates the text in place; the buffer holds 1024 units, terminator included.
using TraduciMessaggioVoidFn = void (*)(wchar_t* text, const wchar_t* appName, const wchar_t* extension);
using SetAppNameFn = void (*)(const wchar_t* appName, const wchar_t* extension);
using FreeDllStringsFn = void (*)(const wchar_t* appName);
using TraduciMenuFn = void (*)(CMenu* menu);

struct TranslatorState {
    HMODULE library = nullptr;
    // False when the library was in the process already: then it is never freed by the plug-in.
    bool ownsLibrary = false;
    std::wstring applicationName;
    std::wstring extension;
    TraduciMfcFn translateDialog = nullptr;
    TraduciMessaggioVoidFn translateMessage = nullptr;
    FARPROC filterDictionary = nullptr;  // FiltraDizPerLib: fetched, not called
    SetAppNameFn setAppName = nullptr;
    FreeDllStringsFn freeStrings = nullptr;
    TraduciMenuFn translateMenu = nullptr;
    FARPROC translateTable = nullptr;          // TrTab: fetched, not called
    FARPROC currentInteropLanguage = nullptr;  // GetCurInteropLanguage: optional, not called
};

TranslatorState& translatorState();
