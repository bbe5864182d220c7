// The dictionary of networks: "TZ-RVN" in the drawing's named-object dictionary, each entry a
// network under its name. Every operation opens and closes what it touches before it returns.
// A network name is any non-empty text without a zero character (the name fields of the records
// hold node names, not this key); other names are refused with eInvalidKey and touch nothing.
#pragma once

#include "dbmain.h"
#include "host/open_object.h"
#include "netobj/network_object.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

inline constexpr wchar_t kNetworkDictionaryKey[] = L"TZ-RVN";

// True for a name a network may have.
bool IsNetworkName(std::wstring_view name);

// True when the drawing's named-object dictionary holds "TZ-RVN".
bool HasNetworkDictionary(AcDbDatabase* database);

// The id of the network under name; eKeyNotFound when the drawing has no "TZ-RVN" or no such entry.
Acad::ErrorStatus FindNetwork(AcDbDatabase* database, std::wstring_view name, AcDbObjectId& id);

// Finds the network under name and opens it in mode into network (a TzRvnNetwork, else
// eNotThatKindOfClass).
Acad::ErrorStatus OpenNetwork(AcDbDatabase* database, std::wstring_view name, AcDb::OpenMode mode,
                              TzRvnOpenObject<TzRvnNetwork>& network);

// Adds network under name, creating "TZ-RVN" when the drawing has none; a network already under
// that name is replaced (and erased). The network is closed again on success. When the host
// refuses it, the network is deleted and the drawing is left as it was.
Acad::ErrorStatus AddNetwork(AcDbDatabase* database, std::wstring_view name, std::unique_ptr<TzRvnNetwork> network,
                             AcDbObjectId& id);

// Adds a new empty network under name (see AddNetwork).
Acad::ErrorStatus CreateNetwork(AcDbDatabase* database, std::wstring_view name, bool hasSchema, AcDbObjectId& id);

// The names of the drawing's networks in name order; empty when it has no "TZ-RVN".
Acad::ErrorStatus ListNetworks(AcDbDatabase* database, std::vector<std::wstring>& names);
