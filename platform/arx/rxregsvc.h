// Registration services for loaded applications: the dynamic linker's lock and MDI-awareness state.
// An application is identified by the id the host passes to its acrxEntryPoint. A loaded
// application starts locked (it cannot be unloaded) and not MDI-aware.
#pragma once

#include <map>

#include "rxclass.h"
#include "rxdict.h"

class AcRxDynamicLinker : public AcRxObject {
public:
    ACRX_DECLARE_MEMBERS(AcRxDynamicLinker);

    bool lockApplication(void* appId);
    bool unlockApplication(void* appId);
    bool isApplicationLocked(void* appId) const;
    bool registerAppMDIAware(void* appId);
    bool isAppMDIAware(void* appId) const;
    // Forgets an application once the host has unloaded it.
    void forgetApplication(void* appId);

private:
    struct AppState {
        bool locked = true;
        bool mdiAware = false;
    };
    std::map<void*, AppState> apps_;
};

#define acrxDynamicLinker AcRxDynamicLinker::cast(acrxSysRegistry()->at(ACRX_DYNAMIC_LINKER))

bool acrxRegisterAppMDIAware(void* appId);
bool acrxUnlockApplication(void* appId);
bool acrxLockApplication(void* appId);
