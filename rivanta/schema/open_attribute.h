// An attribute of a block reference opened for one action, closed by the plug-in's open-object
// guard on every path.
#pragma once

#include "dbattr.h"
#include "dbblkref.h"
#include "host/open_object.h"

#include <vector>

// Opens one of the reference's attributes; the guard is empty (isOpen() false) when it cannot.
inline TzRvnOpenObject<AcDbAttribute> OpenAttribute(const AcDbBlockReference& reference, AcDbObjectId id,
                                                    AcDb::OpenMode mode) {
    TzRvnOpenObject<AcDbAttribute> attribute;
    attribute.take(reference.openAttribute(attribute.slot(), id, mode));
    return attribute;
}

// The ids of the reference's attributes, in its order.
std::vector<AcDbObjectId> AttributeIds(const AcDbBlockReference& reference);
