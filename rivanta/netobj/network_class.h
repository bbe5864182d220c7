// The runtime class of the network object: registered with the host when the plug-in loads, so
// that the drawing reader can create networks by name, and removed when it unloads.
#pragma once

inline constexpr wchar_t kNetworkClassName[] = L"TzRvnNetwork";
inline constexpr wchar_t kNetworkDxfName[] = L"RVNNETWORK";
inline constexpr wchar_t kNetworkAppName[] = L"Tozari_Works";
inline constexpr int kNetworkClassDwgVersion = 33;
inline constexpr int kNetworkClassMaintVersion = 4;

// Registers TzRvnNetwork (parent AcDbObject, proxy flags 0, a pseudo-constructor making an empty
// network without schema). Registering again while the host holds this module's descriptor does
// nothing; when the host holds another class of that name the host is stopped ("Class mismatch").
void RegisterNetworkClass();

// Removes TzRvnNetwork from the host's classes.
void RemoveNetworkClass();
