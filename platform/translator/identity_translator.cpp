// The product family's translator library, TZTranslatorDll.dll, as installed beside the plug-ins
// of an Italian-language workstation: every text, window and menu stays as it is.
// Plug-ins require it at load; a workstation with another language ships a translating one.

class CMenu;
class CWnd;

extern "C" {

__attribute__((visibility("default"))) void TraduciMfc(CWnd*, const wchar_t*, const wchar_t*) {}
__attribute__((visibility("default"))) void TraduciMessaggioVoid(wchar_t*, const wchar_t*, const wchar_t*) {}
__attribute__((visibility("default"))) void FiltraDizPerLib() {}
__attribute__((visibility("default"))) void SetAppName(const wchar_t*, const wchar_t*) {}
__attribute__((visibility("default"))) void FreeDllStrings(const wchar_t*) {}
__attribute__((visibility("default"))) void TraduciMenu(CMenu*) {}
__attribute__((visibility("default"))) void TrTab() {}

}  // extern "C"
