// The registry behind the class dictionary: it creates, links and retires class descriptors.
#pragma once

#include <memory>
#include <vector>

#include "rxclass.h"

class AcRxClassRegistry {
public:
    static AcRxClassRegistry& instance();

    AcRxDictionary& dictionary() { return dictionary_; }
    AcRxClass* add(const ACHAR* name, const ACHAR* parentName, int dwgVersion, int maintVersion, int proxyFlags,
                   AcRxPseudoConstructor constructor, const ACHAR* dxfName, const ACHAR* appName);
    AcRxClass* addBuiltIn(const ACHAR* name, const ACHAR* parentName, AcRxPseudoConstructor constructor,
                          const ACHAR* dxfName);
    void remove(AcRxClass* descriptor);
    void linkParents();

private:
    AcRxClassRegistry() = default;
    bool hasChildren(const AcRxClass* descriptor) const;

    AcRxDictionary dictionary_;
    // Every descriptor ever made; retired ones stay so that pointers held by modules stay valid.
    std::vector<std::unique_ptr<AcRxClass>> descriptors_;
};

namespace rvnhost {
// Registers the host's own classes (builtin_classes.cpp), its entities among them
// (db_entity_classes.cpp).
void registerBuiltInClasses(AcRxClassRegistry& registry);
void registerEntityClasses(AcRxClassRegistry& registry);
}  // namespace rvnhost
