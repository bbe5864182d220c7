#include "rxobject.h"

#include "builtin_class.h"

AcRxClass* AcRxObject::desc() {
    static AcRxClass* descriptor = rvnhost::builtInClass(L"AcRxObject");
    return descriptor;
}

AcRxClass* AcRxObject::isA() const { return AcRxObject::desc(); }

bool AcRxObject::isKindOf(const AcRxClass* aClass) const {
    if (aClass == nullptr) return false;
    for (const AcRxClass* c = isA(); c != nullptr; c = c->myParent()) {
        if (c == aClass) return true;
    }
    return false;
}
