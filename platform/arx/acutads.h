// Utilities of the host's C interface: command-line output and result-buffer memory.
#pragma once

#include "AdAChar.h"
#include "acutmem.h"

// Writes to the command line. The format is the host's: %s and %c take wide text and characters
// (%hs and %hc narrow ones), the other conversions are printf's. Returns the characters written.
int acutPrintf(const ACHAR* format, ...);
