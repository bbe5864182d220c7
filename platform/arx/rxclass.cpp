#include "rxclass.h"

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cwchar>

#include "builtin_class.h"
#include "class_registry.h"
#include "text_codec.h"
#include "transcript.h"

RVN_DEFINE_BUILTIN_MEMBERS(AcRxClass)

bool AcRxClass::isDerivedFrom(const AcRxClass* other) const {
    for (const AcRxClass* c = this; c != nullptr; c = c->myParent()) {
        if (c == other) return true;
    }
    return false;
}

AcRxObject* AcRxClass::create() const { return constructor_ != nullptr ? constructor_() : nullptr; }

int AcRxClass::getClassVersion(int& maintVersion) const {
    maintVersion = maintVersion_;
    return dwgVersion_;
}

AcRxClassRegistry& AcRxClassRegistry::instance() {
    static AcRxClassRegistry* registry = [] {
        auto* made = new AcRxClassRegistry;
        rvnhost::registerBuiltInClasses(*made);
        made->linkParents();
        return made;
    }();
    return *registry;
}

AcRxClass* AcRxClassRegistry::add(const ACHAR* name, const ACHAR* parentName, int dwgVersion, int maintVersion,
                                  int proxyFlags, AcRxPseudoConstructor constructor, const ACHAR* dxfName,
                                  const ACHAR* appName) {
    if (name == nullptr || *name == L'\0' || dictionary_.has(name)) return nullptr;
    auto descriptor = std::unique_ptr<AcRxClass>(new AcRxClass);
    descriptor->name_ = name;
    descriptor->parentName_ = parentName != nullptr ? parentName : L"";
    descriptor->dwgVersion_ = dwgVersion;
    descriptor->maintVersion_ = maintVersion;
    descriptor->proxyFlags_ = proxyFlags;
    descriptor->constructor_ = constructor;
    descriptor->dxfName_ = dxfName != nullptr ? dxfName : L"";
    descriptor->appName_ = appName != nullptr ? appName : L"";
    if (!descriptor->parentName_.empty()) {
        descriptor->parent_ = static_cast<AcRxClass*>(dictionary_.at(descriptor->parentName_.c_str()));
    }
    AcRxClass* added = descriptor.get();
    descriptors_.push_back(std::move(descriptor));
    dictionary_.atPut(name, added);
    return added;
}

AcRxClass* AcRxClassRegistry::addBuiltIn(const ACHAR* name, const ACHAR* parentName,
                                         AcRxPseudoConstructor constructor, const ACHAR* dxfName) {
    AcRxClass* added = add(name, parentName, 0, 0, 0, constructor, dxfName, L"ObjectDBX Classes");
    if (added != nullptr) added->builtIn_ = true;
    return added;
}

bool AcRxClassRegistry::hasChildren(const AcRxClass* descriptor) const {
    for (const auto& other : descriptors_) {
        if (other->parent_ == descriptor && dictionary_.at(other->name()) == other.get()) return true;
    }
    return false;
}

void AcRxClassRegistry::remove(AcRxClass* descriptor) {
    if (descriptor == nullptr || descriptor->builtIn_ || hasChildren(descriptor)) return;
    if (dictionary_.at(descriptor->name()) == descriptor) dictionary_.remove(descriptor->name());
}

void AcRxClassRegistry::linkParents() {
    for (const auto& descriptor : descriptors_) {
        if (descriptor->parentName_.empty()) continue;
        descriptor->parent_ = static_cast<AcRxClass*>(dictionary_.at(descriptor->parentName_.c_str()));
    }
}

AcRxClass* newAcRxClass(const ACHAR* className, const ACHAR* parentClassName, int dwgVersion, int maintVersion,
                        int proxyFlags, AcRxPseudoConstructor pseudoConstructor, const ACHAR* dxfName,
                        const ACHAR* appName) {
    return AcRxClassRegistry::instance().add(className, parentClassName, dwgVersion, maintVersion, proxyFlags,
                                             pseudoConstructor, dxfName, appName);
}

AcRxClass* newAcRxClass(const ACHAR* className, const ACHAR* parentClassName, int proxyFlags,
                        AcRxPseudoConstructor pseudoConstructor, const ACHAR* dxfName, const ACHAR* appName) {
    return newAcRxClass(className, parentClassName, 0, 0, proxyFlags, pseudoConstructor, dxfName, appName);
}

void deleteAcRxClass(AcRxClass* classObject) { AcRxClassRegistry::instance().remove(classObject); }

void acrxBuildClassHierarchy() { AcRxClassRegistry::instance().linkParents(); }

void acrx_abort(const ACHAR* format, ...) {
    wchar_t message[1024];
    va_list args;
    va_start(args, format);
    if (std::vswprintf(message, sizeof message / sizeof message[0], format, args) < 0) {
        std::wcsncpy(message, format, sizeof message / sizeof message[0] - 1);
        message[sizeof message / sizeof message[0] - 1] = L'\0';
    }
    va_end(args);
    rvnhost::Transcript::instance().add(rvnhost::TranscriptKind::Error, message);
    std::string text = rvnos::toUtf8(message);
    std::fprintf(stderr, "%s\n", text.c_str());
    std::fflush(stderr);
    std::abort();
}

namespace rvnhost {

AcRxDictionary* classDictionary() { return &AcRxClassRegistry::instance().dictionary(); }

AcRxObject* createObjectOfClass(const ACHAR* className) {
    auto* descriptor = static_cast<AcRxClass*>(classDictionary()->at(className));
    return descriptor != nullptr ? descriptor->create() : nullptr;
}

AcRxClass* classByDxfName(const ACHAR* dxfName) {
    if (dxfName == nullptr || *dxfName == L'\0') return nullptr;
    AcRxDictionaryIterator* iterator = classDictionary()->newIterator(AcRx::kDictCollated);
    AcRxClass* found = nullptr;
    for (; !iterator->done() && found == nullptr; iterator->next()) {
        auto* descriptor = static_cast<AcRxClass*>(iterator->object());
        if (std::wcscmp(descriptor->dxfName(), dxfName) == 0) found = descriptor;
    }
    delete iterator;
    return found;
}

AcRxClass* builtInClass(const ACHAR* name) { return static_cast<AcRxClass*>(classDictionary()->at(name)); }

}  // namespace rvnhost
