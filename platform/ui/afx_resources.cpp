#include "afx_resources.h"

#include "module_loader.h"

#include <algorithm>

namespace {

std::vector<CDynLinkLibrary*>& libraryChain() {
    static std::vector<CDynLinkLibrary*> chain;
    return chain;
}

HINSTANCE& currentResourceModule() {
    static HINSTANCE current = AfxGetInstanceHandle();
    return current;
}

}  // namespace

HINSTANCE AfxGetInstanceHandle() { return GetModuleHandleW(nullptr); }

HINSTANCE AfxGetResourceHandle() { return currentResourceModule(); }

void AfxSetResourceHandle(HINSTANCE module) {
    if (module) currentResourceModule() = module;
}

BOOL AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HMODULE module) {
    if (module == nullptr) return FALSE;
    state.hModule = module;
    state.hResource = module;
    state.bInitialized = TRUE;
    return TRUE;
}

void AfxTermExtensionModule(AFX_EXTENSION_MODULE& state, BOOL) {
    std::vector<CDynLinkLibrary*> leaving;
    for (CDynLinkLibrary* library : libraryChain()) {
        if (library->m_hModule == state.hModule) leaving.push_back(library);
    }
    for (CDynLinkLibrary* library : leaving) delete library;
    state.bInitialized = FALSE;
}

CDynLinkLibrary::CDynLinkLibrary(AFX_EXTENSION_MODULE& state, BOOL system)
    : m_hModule(state.hModule), m_hResource(state.hResource), m_bSystem(system) {
    libraryChain().push_back(this);
}

CDynLinkLibrary::~CDynLinkLibrary() { std::erase(libraryChain(), this); }

namespace rvnhost {

std::vector<HMODULE> resourceSearchOrder() {
    std::vector<HMODULE> order{AfxGetResourceHandle()};
    for (const CDynLinkLibrary* library : libraryChain()) {
        if (std::find(order.begin(), order.end(), library->m_hResource) == order.end()) {
            order.push_back(library->m_hResource);
        }
    }
    return order;
}

}  // namespace rvnhost
