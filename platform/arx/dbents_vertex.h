// The pieces of complex entities: vertices of polylines, and the sequence end that closes the
// vertices of a polyline or the attributes of a block reference.
#pragma once

#include "dbentity.h"

class AcDbVertex : public AcDbEntity {
public:
    ACRX_DECLARE_MEMBERS(AcDbVertex);

protected:
    AcDbVertex() = default;
};

// DXF "SEQEND": the common entity groups only.
class AcDbSequenceEnd : public AcDbEntity {
public:
    ACRX_DECLARE_MEMBERS(AcDbSequenceEnd);
    AcDbSequenceEnd() = default;
};
