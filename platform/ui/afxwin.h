// The user-interface class library the plug-in is written against, in one include.
#pragma once

#include "afx_menu.h"
#include "afx_message_box.h"
#include "afx_resources.h"
#include "afx_wnd.h"
#include "message_box.h"
#include "win_types.h"
