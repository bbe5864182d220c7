// The sections of a DXF file and the objects in them, each object the groups from its group 0 to
// the next one.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "dxf_groups.h"

namespace rvnhost {

using DxfChunk = std::span<const DxfGroup>;

struct DxfSections {
    DxfChunk header;  // the variables: 9 groups, each followed by its values
    std::vector<DxfChunk> classes, tables, blocks, entities, objects;
};

// Splits groups into sections; false with a message naming the line for a file that does not
// have the layout of a DXF file (or ends before its EOF).
bool splitDxfSections(const std::vector<DxfGroup>& groups, DxfSections& sections, std::wstring& message);

// The value of the first group of chunk with that code (after its group 0), or null.
const DxfGroup* findGroup(DxfChunk chunk, int code);

}  // namespace rvnhost
