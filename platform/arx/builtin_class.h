// The host's own classes: registered with the class dictionary when it is first used, and
// found there by name.
#pragma once

#include "rxclass.h"

namespace rvnhost {

// The descriptor of one of the host's own classes.
AcRxClass* builtInClass(const ACHAR* name);

}  // namespace rvnhost

// Defines the members declared by ACRX_DECLARE_MEMBERS for a class of the host itself.
#define RVN_DEFINE_BUILTIN_MEMBERS(CLASS_NAME)                                    \
    AcRxClass* CLASS_NAME::gpDesc = nullptr;                                      \
    AcRxClass* CLASS_NAME::desc() {                                               \
        if (gpDesc == nullptr) gpDesc = rvnhost::builtInClass(L## #CLASS_NAME);   \
        return gpDesc;                                                            \
    }                                                                             \
    AcRxClass* CLASS_NAME::isA() const { return CLASS_NAME::desc(); }              \
    void CLASS_NAME::rxInit() { CLASS_NAME::desc(); }
