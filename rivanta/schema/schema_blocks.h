// The node and tank block definitions: taken from the drawing, or read from their block drawings
// under the program folder and checked.
#pragma once

#include "dbmain.h"
#include "schema/schema_names.h"

#include <span>
#include <string_view>

struct TzRvnSchemaBlock {
    const wchar_t* name;                                // block name in the drawing
    std::wstring_view file;                             // block drawing under the program folder
    std::span<const rvnschema::AttributeLayer> tags;    // the attribute tags it may carry
    int requiredDefinitions;                            // how many of them it must carry at least
};

inline constexpr TzRvnSchemaBlock kNodeBlock{rvnschema::kNodeBlockName, rvnschema::kNodeBlockFile,
                                             rvnschema::kNodeAttributeLayers, 5};
inline constexpr TzRvnSchemaBlock kTankBlock{rvnschema::kTankBlockName, rvnschema::kTankBlockFile,
                                             rvnschema::kTankAttributeLayers, 3};

// The id of the block's definition. A definition already in the drawing is used as it is; else
// the block drawing is read and inserted under the block name, and kept only when it holds at
// least the required number of non-constant attribute definitions with the block's tags. False,
// with the message on the command line, when the block cannot be had; the drawing then holds no
// definition of it.
bool EnsureSchemaBlock(AcDbDatabase* database, const TzRvnSchemaBlock& block, AcDbObjectId& blockId);
