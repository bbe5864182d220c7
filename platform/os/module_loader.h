// Loading libraries and finding their functions, over the platform's dynamic loader.
// A module handle is the loader's handle; paths are wide text, converted to UTF-8 for the loader.
#pragma once

#include "win_types.h"

#include <string>

inline constexpr DWORD GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT = 0x2;
inline constexpr DWORD GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS = 0x4;

// Loads the library at path (or finds it already loaded, counting one more use); nullptr when it
// cannot be loaded (last error ERROR_MOD_NOT_FOUND; rvnos::lastLoadError tells why).
HMODULE LoadLibraryW(LPCWSTR path);
// Gives back one use of a library; the loader unloads it after its last use.
BOOL FreeLibrary(HMODULE module);
// A module already in the process, by full path or by file name (case ignored), without counting
// a use; nullptr names the host program itself. nullptr when no such module is loaded.
HMODULE GetModuleHandleW(LPCWSTR name);
// With GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS, name is an address inside the module sought.
BOOL GetModuleHandleExW(DWORD flags, LPCWSTR name, HMODULE* module);
// The exported function or variable of that name; nullptr (ERROR_PROC_NOT_FOUND) when absent.
FARPROC GetProcAddress(HMODULE module, LPCSTR name);
// The full path of the module (nullptr: the host program) into buffer; the length copied, or
// bufferLength with a truncated, terminated text (ERROR_INSUFFICIENT_BUFFER); 0 on failure.
DWORD GetModuleFileNameW(HMODULE module, LPWSTR buffer, DWORD bufferLength);

namespace rvnos {
// The loader's explanation of the last failed LoadLibraryW on this thread.
std::wstring lastLoadError();
// The full path of a module, empty when unknown.
std::wstring modulePath(HMODULE module);
}  // namespace rvnos
