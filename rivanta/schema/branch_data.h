// The data a branch polyline carries as extended data of "TZ-SCHEMA_RETE-RVN": a point of length
// and diameter, a point of roughness and local loss coefficient, and the description when there
// is one. Values are SI (metres).
#pragma once

#include "dbmain.h"

#include <string>

struct TzRvnBranchData {
    double length = 0.0;
    double diameter = 0.0;
    double roughness = 0.0;
    double csi = 0.0;
    std::wstring note;  // empty: no description item
};

// Registers the application of extended data in the database's "APPID" table unless it is there
// already; RegisterSchemaApplication registers "TZ-SCHEMA_RETE-RVN".
Acad::ErrorStatus RegisterApplication(AcDbDatabase* database, const wchar_t* name);
Acad::ErrorStatus RegisterSchemaApplication(AcDbDatabase* database);
// True when the object (open for read) carries data of "TZ-SCHEMA_RETE-RVN".
bool HasBranchData(const AcDbObject& object);
// The branch data of the object (open for read); false when it carries none. Missing items read
// as 0 and no description.
bool ReadBranchData(const AcDbObject& object, TzRvnBranchData& data);
// Replaces the object's (open for write) data of "TZ-SCHEMA_RETE-RVN" by the items of data; the
// application must be registered.
Acad::ErrorStatus WriteBranchData(AcDbObject& object, const TzRvnBranchData& data);
