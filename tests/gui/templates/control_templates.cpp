// A module whose resource script has a dialog with one control of each standard kind and a dialog
// with a grid, for the tests of their widgets.
extern "C" __attribute__((visibility("default"))) const char* rvnResourceScript() {
    return R"rc(
100 DIALOGEX 0, 0, 200, 150
STYLE DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU
CAPTION "Controlli"
FONT 8, "MS Shell Dlg"
BEGIN
    GROUPBOX        "Tubazione",IDC_STATIC,4,4,192,60
    LTEXT           "Materiale",IDC_STATIC,10,16,50,8
    CONTROL         "",201,"ComboBox",CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP,64,14,80,60
    CONTROL         "",202,"ComboBox",CBS_DROPDOWN | WS_TABSTOP,64,30,80,60
    CONTROL         "Esclusa",203,"Button",BS_AUTOCHECKBOX | WS_TABSTOP,10,46,80,10
    LISTBOX         204,4,68,90,40,LBS_NOTIFY | WS_VSCROLL | WS_TABSTOP
    EDITTEXT        205,100,68,96,40,ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL
    LTEXT           "",206,4,112,20,10
    DEFPUSHBUTTON   "OK",IDOK,90,130,50,14
    PUSHBUTTON      "Annulla",IDCANCEL,146,130,50,14
END

101 DIALOGEX 0, 0, 260, 140
STYLE DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU
CAPTION "Nodi"
FONT 8, "MS Shell Dlg"
BEGIN
    CONTROL         "",301,"MFCGridCtrl",WS_TABSTOP,4,4,252,110
    DEFPUSHBUTTON   "OK",IDOK,150,120,50,14
    PUSHBUTTON      "Annulla",IDCANCEL,206,120,50,14
END
)rc";
}
