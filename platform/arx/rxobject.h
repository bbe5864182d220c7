// The root of the host's runtime class system: every registered class derives from AcRxObject and
// answers isA() with its class descriptor, so that isKindOf() and cast() work across modules.
#pragma once

#include "AdAChar.h"

class AcRxClass;

// Declares the runtime-class members of CLASS_NAME: desc(), cast(), isA() and the registration
// rxInit(), defined by ACRX_DXF_DEFINE_MEMBERS or ACRX_NO_CONS_DEFINE_MEMBERS (rxclass.h).
#define ACRX_DECLARE_MEMBERS(CLASS_NAME)                                                         \
    static AcRxClass* desc();                                                                    \
    static CLASS_NAME* cast(const AcRxObject* inPtr) {                                           \
        return (inPtr == nullptr || !inPtr->isKindOf(CLASS_NAME::desc()))                        \
                   ? nullptr                                                                     \
                   : const_cast<CLASS_NAME*>(static_cast<const CLASS_NAME*>(inPtr));            \
    }                                                                                            \
    AcRxClass* isA() const override;                                                             \
    static AcRxClass* gpDesc;                                                                    \
    static void rxInit()

class AcRxObject {
public:
    virtual ~AcRxObject() = default;

    static AcRxClass* desc();
    static AcRxObject* cast(const AcRxObject* inPtr) { return const_cast<AcRxObject*>(inPtr); }
    virtual AcRxClass* isA() const;

    // True when this object's class is aClass or derives from it.
    bool isKindOf(const AcRxClass* aClass) const;
};
