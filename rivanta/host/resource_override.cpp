#include "host/resource_override.h"

#include "afx_resources.h"
#include "host/module_instance.h"

// Without a recorded module instance the host refuses the switch and the resources stay as they are.
TzRvnResourceOverride::TzRvnResourceOverride() : previous_(AfxGetResourceHandle()) {
    AfxSetResourceHandle(ModuleInstance());
}

TzRvnResourceOverride::~TzRvnResourceOverride() { AfxSetResourceHandle(previous_); }
