// The host's account of open objects: at the end of every command, and when a document closes,
// every object still open is a leak of the code that opened it.
#pragma once

#include <string>
#include <vector>

#include "acdb.h"
#include "dbid.h"

class AcDbDatabase;

namespace rvnhost {

struct OpenObject {
    AcDbObjectId id;
    std::wstring className;
    AcDb::OpenMode mode;
    int openCount;
};

// The objects open now in one database, or in every live database, in handle order.
std::vector<OpenObject> openObjects(const AcDbDatabase& database);
std::vector<OpenObject> openObjects();
// "TzRvnNetwork, handle 1F, open for write" (the count is given when above one).
std::wstring describeOpenObject(const OpenObject& object);
// Reports each open object of every live database (or of one) on the transcript as a leak
// found at the end of `context`, then closes it. Returns how many there were.
int reportOpenObjects(const std::wstring& context);
int reportOpenObjects(const std::wstring& context, const AcDbDatabase& database);
// Closes every open object of every live database without a report; returns how many there were.
int closeOpenObjects();

}  // namespace rvnhost
