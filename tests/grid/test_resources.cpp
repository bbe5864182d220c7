// The resource script of this test program, found through the program's own module: a dialog
// holding a grid control and the grid's context menu.
#include "module_resources.h"

extern "C" __attribute__((visibility("default"))) const char* rvnResourceScript() {
    return R"rc(
#define IDD_GRID 9061
#define IDC_GRID 9038
#define IDR_GRID_MENU 9076

IDD_GRID DIALOGEX 0, 0, 300, 200
STYLE DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU
CAPTION "Nodi"
FONT 8, "MS Shell Dlg"
BEGIN
    CONTROL         "",IDC_GRID,"MFCGridCtrl",WS_TABSTOP,0,0,300,170
    LTEXT           "Nome",IDC_STATIC,7,180,30,8
    EDITTEXT        9023,40,178,60,12,ES_AUTOHSCROLL
    DEFPUSHBUTTON   "OK",IDOK,190,178,50,14
    PUSHBUTTON      "Annulla",IDCANCEL,243,178,50,14
END

IDR_GRID_MENU MENU DISCARDABLE
BEGIN
    POPUP "Griglia"
    BEGIN
        MENUITEM "Annulla",                     32773
        MENUITEM SEPARATOR
        MENUITEM "&Inserisci Riga",             32771
        MENUITEM "Elimina Riga",                32772, GRAYED
        MENUITEM "Copia",                       32775
        MENUITEM "Incolla",                     32776
        POPUP "Altro"
        BEGIN
            MENUITEM "Stampa",                  32783, CHECKED
        END
    END
END
)rc";
}
