// The filing format of the network object (its operations are members of TzRvnNetwork,
// network_filing.cpp): the object version, first item of both filings, and the DXF texts.
#pragma once

#include "adesk.h"

inline constexpr Adesk::Int16 kNetworkObjectVersion = 1;
inline constexpr wchar_t kNetworkSubclassMarker[] = L"TzRvnNetwork";
// The filer error of a DXF object whose group after the subclass marker is not the version (70).
inline constexpr wchar_t kExpectedGroupCodeMessage[] = L"\nError: expected group code %d";
