#include "module_loader.h"

#include "last_error.h"
#include "text_codec.h"

#include <cwchar>
#include <cwctype>

#include <dlfcn.h>
#include <link.h>
#include <unistd.h>

namespace {

thread_local std::wstring lastLoadFailure;

std::wstring lowerCase(std::wstring text) {
    for (auto& c : text) c = static_cast<wchar_t>(std::towlower(c));
    return text;
}

std::wstring fileNameOf(const std::wstring& path) {
    const std::size_t slash = path.rfind(L'/');
    return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

std::wstring programPath() {
    char path[4096];
    const ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
    return length > 0 ? rvnos::fromUtf8(std::string_view(path, static_cast<std::size_t>(length))) : L"";
}

struct ModuleQuery {
    std::wstring wanted;  // full path, or a lower-case file name
    bool byFileName;
    std::string found;
};

int matchLoadedObject(dl_phdr_info* info, std::size_t, void* data) {
    auto* query = static_cast<ModuleQuery*>(data);
    if (info->dlpi_name == nullptr || *info->dlpi_name == '\0') return 0;
    const std::wstring path = rvnos::fromUtf8(info->dlpi_name);
    const bool match = query->byFileName ? lowerCase(fileNameOf(path)) == query->wanted : path == query->wanted;
    if (!match) return 0;
    query->found = info->dlpi_name;
    return 1;
}

HMODULE programHandle() {
    void* handle = dlopen(nullptr, RTLD_LAZY);
    dlclose(handle);
    return handle;
}

// The loader's handle of an object already loaded, without keeping an extra use of it.
HMODULE handleOfLoaded(const std::string& path) {
    void* handle = dlopen(path.c_str(), RTLD_LAZY | RTLD_NOLOAD);
    if (handle) dlclose(handle);
    return handle;
}

}  // namespace

namespace rvnos {

std::wstring lastLoadError() { return lastLoadFailure; }

std::wstring modulePath(HMODULE module) {
    if (module == nullptr || module == programHandle()) return programPath();
    link_map* map = nullptr;
    if (dlinfo(module, RTLD_DI_LINKMAP, &map) != 0 || map == nullptr || map->l_name == nullptr) return L"";
    return *map->l_name ? fromUtf8(map->l_name) : programPath();
}

}  // namespace rvnos

HMODULE LoadLibraryW(LPCWSTR path) {
    if (path == nullptr || *path == L'\0') {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    void* handle = dlopen(rvnos::toUtf8(path).c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        const char* reason = dlerror();
        lastLoadFailure = reason ? rvnos::fromUtf8(reason) : L"unknown reason";
        SetLastError(ERROR_MOD_NOT_FOUND);
    }
    return handle;
}

BOOL FreeLibrary(HMODULE module) {
    if (module == nullptr || dlclose(module) != 0) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    return TRUE;
}

HMODULE GetModuleHandleW(LPCWSTR name) {
    if (name == nullptr) return programHandle();
    const std::wstring wanted(name);
    const bool byFileName = wanted.find(L'/') == std::wstring::npos;
    ModuleQuery query{byFileName ? lowerCase(wanted) : wanted, byFileName, {}};
    if (dl_iterate_phdr(matchLoadedObject, &query) == 0) {
        SetLastError(ERROR_MOD_NOT_FOUND);
        return nullptr;
    }
    return handleOfLoaded(query.found);
}

BOOL GetModuleHandleExW(DWORD flags, LPCWSTR name, HMODULE* module) {
    if (module == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    *module = nullptr;
    if ((flags & GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS) == 0) {
        *module = GetModuleHandleW(name);
    } else {
        Dl_info info{};
        if (dladdr(name, &info) != 0 && info.dli_fname) *module = GetModuleHandleW(rvnos::fromUtf8(info.dli_fname).c_str());
    }
    if (*module == nullptr) return FALSE;
    if ((flags & GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT) == 0) {
        dlopen(rvnos::toUtf8(rvnos::modulePath(*module)).c_str(), RTLD_LAZY | RTLD_NOLOAD);
    }
    return TRUE;
}

FARPROC GetProcAddress(HMODULE module, LPCSTR name) {
    if (module == nullptr || name == nullptr) {
        SetLastError(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    void* symbol = dlsym(module, name);
    if (!symbol) {
        SetLastError(ERROR_PROC_NOT_FOUND);
        return nullptr;
    }
    return reinterpret_cast<FARPROC>(symbol);
}

DWORD GetModuleFileNameW(HMODULE module, LPWSTR buffer, DWORD bufferLength) {
    const std::wstring path = rvnos::modulePath(module);
    if (path.empty() || buffer == nullptr || bufferLength == 0) {
        SetLastError(path.empty() ? ERROR_MOD_NOT_FOUND : ERROR_INSUFFICIENT_BUFFER);
        return 0;
    }
    if (path.size() < bufferLength) {
        std::wmemcpy(buffer, path.c_str(), path.size() + 1);
        return static_cast<DWORD>(path.size());
    }
    std::wmemcpy(buffer, path.c_str(), bufferLength - 1);
    buffer[bufferLength - 1] = L'\0';
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return bufferLength;
}
