// The class library's resource modules. The current resource module is where dialog templates,
// strings and icons are looked up first; the extension modules that joined the chain (one
// CDynLinkLibrary each) are searched after it, in the order they joined.
#pragma once

#include "win_types.h"

#include <vector>

struct AFX_EXTENSION_MODULE {
    BOOL bInitialized = FALSE;
    HMODULE hModule = nullptr;
    HMODULE hResource = nullptr;
};

// The host program's own module.
HINSTANCE AfxGetInstanceHandle();
// The current resource module: the host program's until a module sets another.
HINSTANCE AfxGetResourceHandle();
// Makes the module the current resource module; a null module is refused and changes nothing.
void AfxSetResourceHandle(HINSTANCE module);

// Records the module as an extension module (its resources are its own module's).
BOOL AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HMODULE module);
// Takes the module's libraries out of the chain and deletes them; the state is uninitialised.
void AfxTermExtensionModule(AFX_EXTENSION_MODULE& state, BOOL all = FALSE);

// One extension module in the resource chain. Created with new by the module when it attaches;
// AfxTermExtensionModule deletes it.
class CDynLinkLibrary {
public:
    explicit CDynLinkLibrary(AFX_EXTENSION_MODULE& state, BOOL system = FALSE);
    virtual ~CDynLinkLibrary();
    CDynLinkLibrary(const CDynLinkLibrary&) = delete;
    CDynLinkLibrary& operator=(const CDynLinkLibrary&) = delete;

    HMODULE m_hModule;
    HMODULE m_hResource;
    BOOL m_bSystem;
};

namespace rvnhost {
// The modules searched for a resource, in order: the current resource module, then the chain.
std::vector<HMODULE> resourceSearchOrder();
}  // namespace rvnhost
