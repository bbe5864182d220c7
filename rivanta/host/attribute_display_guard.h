// Holds the working drawing's attribute display (ATTMODE) at 1 while an editing command runs, so
// that the attributes of the nodes and tanks it places show as their blocks define them whatever
// display the drawing was left in; the value before comes back on every path.
#pragma once

#include "adesk.h"

class AcDbDatabase;

class TzRvnAttributeDisplayGuard {
public:
    TzRvnAttributeDisplayGuard();
    ~TzRvnAttributeDisplayGuard();
    TzRvnAttributeDisplayGuard(const TzRvnAttributeDisplayGuard&) = delete;
    TzRvnAttributeDisplayGuard& operator=(const TzRvnAttributeDisplayGuard&) = delete;

private:
    AcDbDatabase* database_;
    Adesk::Int16 saved_ = 1;
};
