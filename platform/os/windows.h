// The operating-system interface the plug-in is written against, in one include.
#pragma once

#include "file_search.h"
#include "last_error.h"
#include "memory_status.h"
#include "module_loader.h"
#include "temp_path.h"
#include "win_types.h"
