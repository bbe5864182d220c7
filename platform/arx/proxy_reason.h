// Why objects of a drawing are kept as proxies, for messages: the class of an object's data is not
// loaded, or the class loaded could not read the data (that of a newer version of the class).
#pragma once

#include "dbmain.h"

#include <string>
#include <vector>

namespace rvnhost {

// Why the object is a proxy, as a clause ("its class X is not loaded"); empty when it is none.
std::wstring proxyReason(const AcDbObject* object);

// One line for each reason objects of the drawing are kept as proxies: how many, and why.
std::vector<std::wstring> proxyNotes(const AcDbDatabase& database);

}  // namespace rvnhost
