// The resource script of this test program: it stands for a module's compiled resources, found by
// the dialogs through the program's own module, the current resource module of a test.
#include "module_resources.h"

extern "C" __attribute__((visibility("default"))) const char* rvnResourceScript() {
    return R"rc(
#define IDD_NODE 9068
#define IDC_NAME 9023
LANGUAGE LANG_ITALIAN, SUBLANG_ITALIAN

IDD_NODE DIALOGEX 0, 0, 200, 100
STYLE DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU
CAPTION "Inserimento NODO"
FONT 8, "MS Shell Dlg", 400, 0, 0x1
BEGIN
    LTEXT           "Simbolo",IDC_STATIC,7,9,60,8
    EDITTEXT        9027,70,7,20,12,ES_AUTOHSCROLL
    LTEXT           "Nome/Numero",IDC_STATIC,7,25,60,8
    EDITTEXT        IDC_NAME,70,23,80,12,ES_AUTOHSCROLL
    LTEXT           "Quota",IDC_STATIC,7,41,60,8
    EDITTEXT        9025,70,39,80,12,ES_AUTOHSCROLL
    LTEXT           "Unità",IDC_STATIC,7,57,60,8
    COMBOBOX        9030,70,55,80,60,CBS_DROPDOWNLIST | CBS_SORT | WS_VSCROLL | WS_TABSTOP
    CONTROL         "Bloccata",9031,"Button",BS_AUTOCHECKBOX | WS_TABSTOP,7,72,80,10
    DEFPUSHBUTTON   "OK",IDOK,90,80,50,14
    PUSHBUTTON      "Annulla",IDCANCEL,143,80,50,14
    PUSHBUTTON      "?",9084,7,80,20,14, NOT WS_TABSTOP
    CONTROL         "",9040,"Static",SS_SUNKEN | SS_NOTIFY,170,39,20,10
END

9000 ICON "rivanta.ico"

STRINGTABLE
BEGIN
    100, "Nodo ""principale"""
END
)rc";
}
