#include "rxregsvc.h"

#include "builtin_class.h"

RVN_DEFINE_BUILTIN_MEMBERS(AcRxDynamicLinker)

bool AcRxDynamicLinker::lockApplication(void* appId) {
    if (appId == nullptr) return false;
    apps_[appId].locked = true;
    return true;
}

bool AcRxDynamicLinker::unlockApplication(void* appId) {
    if (appId == nullptr) return false;
    apps_[appId].locked = false;
    return true;
}

bool AcRxDynamicLinker::isApplicationLocked(void* appId) const {
    auto found = apps_.find(appId);
    return found == apps_.end() || found->second.locked;
}

bool AcRxDynamicLinker::registerAppMDIAware(void* appId) {
    if (appId == nullptr) return false;
    apps_[appId].mdiAware = true;
    return true;
}

bool AcRxDynamicLinker::isAppMDIAware(void* appId) const {
    auto found = apps_.find(appId);
    return found != apps_.end() && found->second.mdiAware;
}

void AcRxDynamicLinker::forgetApplication(void* appId) { apps_.erase(appId); }

bool acrxRegisterAppMDIAware(void* appId) { return acrxDynamicLinker->registerAppMDIAware(appId); }

bool acrxUnlockApplication(void* appId) { return acrxDynamicLinker->unlockApplication(appId); }

bool acrxLockApplication(void* appId) { return acrxDynamicLinker->lockApplication(appId); }
