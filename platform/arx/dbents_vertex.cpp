#include "dbents_vertex.h"

#include "builtin_class.h"

RVN_DEFINE_BUILTIN_MEMBERS(AcDbVertex)
RVN_DEFINE_BUILTIN_MEMBERS(AcDbSequenceEnd)
