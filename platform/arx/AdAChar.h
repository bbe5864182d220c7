// The host's character type: all text of the interface is wide.
#pragma once

using ACHAR = wchar_t;
