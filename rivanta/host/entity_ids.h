// The core's records name their drawing entities by an opaque value (TzRvnEntityId); these turn
// the host's object ids into it and back. The value is the id's slot in its database, so it names
// the entity for as long as the id would.
#pragma once

#include "dbid.h"
#include "network/elements.h"

#include <cstdint>

inline TzRvnEntityId EntityIdOf(AcDbObjectId id) {
    return TzRvnEntityId{static_cast<std::uint64_t>(reinterpret_cast<std::uintptr_t>(id.slot()))};
}

inline AcDbObjectId ObjectIdOf(TzRvnEntityId id) {
    return AcDbObjectId(reinterpret_cast<AcDbStub*>(static_cast<std::uintptr_t>(id.value)));
}
