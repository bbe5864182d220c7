#include "afx_message_box.h"

LPCWSTR AfxGetAppName() { return L"Rivanta"; }

int AfxMessageBox(LPCWSTR text, UINT type, UINT) { return MessageBoxW(nullptr, text, AfxGetAppName(), type); }
