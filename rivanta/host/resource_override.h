// Makes the plug-in's module the current resource module for as long as the guard lives, so that
// its dialogs and icons are found first; the previous resource module comes back on every path.
#pragma once

#include "win_types.h"

class TzRvnResourceOverride {
public:
    TzRvnResourceOverride();
    ~TzRvnResourceOverride();
    TzRvnResourceOverride(const TzRvnResourceOverride&) = delete;
    TzRvnResourceOverride& operator=(const TzRvnResourceOverride&) = delete;

private:
    HINSTANCE previous_;
};
