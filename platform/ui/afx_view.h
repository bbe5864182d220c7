// A view of a document: a window the host draws the document in.
#pragma once

#include "afx_wnd.h"

class CView : public CWnd {};
