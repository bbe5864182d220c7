// Class descriptors and the class registry ("ClassDictionary" of the system registry).
// A class is known to the host by name; a class with a pseudo-constructor can be created by name,
// which is how the drawing reader makes the objects it finds in a file.
#pragma once

#include <string>

#include "AdAChar.h"
#include "rxdict.h"
#include "rxobject.h"

using AcRxPseudoConstructor = AcRxObject* (*)();

class AcRxClass : public AcRxObject {
public:
    ACRX_DECLARE_MEMBERS(AcRxClass);

    const ACHAR* name() const { return name_.c_str(); }
    // The parent descriptor; null for AcRxObject, and for a class whose parent is not registered yet.
    AcRxClass* myParent() const { return parent_; }
    bool isDerivedFrom(const AcRxClass* other) const;

    // A new object of this class, or null when the class has no pseudo-constructor.
    AcRxObject* create() const;
    const ACHAR* appName() const { return appName_.c_str(); }
    const ACHAR* dxfName() const { return dxfName_.c_str(); }
    int getClassVersion(int& maintVersion) const;
    int proxyFlags() const { return proxyFlags_; }

private:
    friend class AcRxClassRegistry;
    AcRxClass() = default;

    std::wstring name_;
    std::wstring parentName_;
    AcRxClass* parent_ = nullptr;
    AcRxPseudoConstructor constructor_ = nullptr;
    std::wstring dxfName_;
    std::wstring appName_;
    int dwgVersion_ = 0;
    int maintVersion_ = 0;
    int proxyFlags_ = 0;
    bool builtIn_ = false;
};

// Registers a class under its name. Returns null, registering nothing, when the name is empty or
// already registered. The parent is found by name now, or by acrxBuildClassHierarchy() later.
AcRxClass* newAcRxClass(const ACHAR* className, const ACHAR* parentClassName, int dwgVersion,
                        int maintVersion, int proxyFlags = 0, AcRxPseudoConstructor pseudoConstructor = nullptr,
                        const ACHAR* dxfName = nullptr, const ACHAR* appName = nullptr);
AcRxClass* newAcRxClass(const ACHAR* className, const ACHAR* parentClassName, int proxyFlags = 0,
                        AcRxPseudoConstructor pseudoConstructor = nullptr, const ACHAR* dxfName = nullptr,
                        const ACHAR* appName = nullptr);

// Removes a class from the registry. The host's own classes and classes that still have registered
// children stay. The descriptor stays valid memory, so a module holding it can still compare it.
void deleteAcRxClass(AcRxClass* classObject);

// Links every registered class to its parent by name.
void acrxBuildClassHierarchy();

// Shows the message on the transcript and on the standard error stream, then stops the process.
[[noreturn]] void acrx_abort(const ACHAR* format, ...);

namespace rvnhost {
AcRxDictionary* classDictionary();
// A new object of the registered class with that name (by its pseudo-constructor), or null.
AcRxObject* createObjectOfClass(const ACHAR* className);
// The registered class whose DXF name is dxfName, or null.
AcRxClass* classByDxfName(const ACHAR* dxfName);
}  // namespace rvnhost

#define acrxClassDictionary (rvnhost::classDictionary())

// Defines the members declared by ACRX_DECLARE_MEMBERS for a class created by name.
// rxInit() registers the class once; when the registry already holds a different class of the
// same name the host is stopped with "Class mismatch".
#define ACRX_DXF_DEFINE_MEMBERS(CLASS_NAME, PARENT_CLASS, DWG_VERSION, MAINT_VERSION, PROXY_FLAGS, \
                                DXF_NAME, APP)                                                    \
    AcRxClass* CLASS_NAME::gpDesc = nullptr;                                                      \
    AcRxClass* CLASS_NAME::desc() {                                                               \
        if (gpDesc != nullptr) return gpDesc;                                                     \
        return static_cast<AcRxClass*>(acrxClassDictionary->at(L## #CLASS_NAME));                \
    }                                                                                             \
    AcRxClass* CLASS_NAME::isA() const { return CLASS_NAME::desc(); }                              \
    static AcRxObject* make##CLASS_NAME() { return new CLASS_NAME(); }                             \
    void CLASS_NAME::rxInit() {                                                                   \
        AcRxObject* known = acrxClassDictionary->at(L## #CLASS_NAME);                            \
        if (gpDesc != nullptr && known != nullptr) {                                              \
            if (known != gpDesc) acrx_abort(L"Class mismatch");                                   \
            return;                                                                               \
        }                                                                                         \
        gpDesc = newAcRxClass(L## #CLASS_NAME, L## #PARENT_CLASS, DWG_VERSION, MAINT_VERSION,    \
                              PROXY_FLAGS, make##CLASS_NAME, DXF_NAME, APP);                      \
    }

// The same for a class that cannot be created by name.
#define ACRX_NO_CONS_DEFINE_MEMBERS(CLASS_NAME, PARENT_CLASS)                                     \
    AcRxClass* CLASS_NAME::gpDesc = nullptr;                                                      \
    AcRxClass* CLASS_NAME::desc() {                                                               \
        if (gpDesc != nullptr) return gpDesc;                                                     \
        return static_cast<AcRxClass*>(acrxClassDictionary->at(L## #CLASS_NAME));                \
    }                                                                                             \
    AcRxClass* CLASS_NAME::isA() const { return CLASS_NAME::desc(); }                              \
    void CLASS_NAME::rxInit() {                                                                   \
        AcRxObject* known = acrxClassDictionary->at(L## #CLASS_NAME);                            \
        if (gpDesc != nullptr && known != nullptr) {                                              \
            if (known != gpDesc) acrx_abort(L"Class mismatch");                                   \
            return;                                                                               \
        }                                                                                         \
        gpDesc = newAcRxClass(L## #CLASS_NAME, L## #PARENT_CLASS, 0, 0);                         \
    }
