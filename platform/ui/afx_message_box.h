// The class library's message box: the application's name as caption, the answer as MessageBoxW's.
#pragma once

#include "message_box.h"

// The host application's name, the caption of AfxMessageBox.
LPCWSTR AfxGetAppName();
int AfxMessageBox(LPCWSTR text, UINT type = MB_OK, UINT helpId = 0);
