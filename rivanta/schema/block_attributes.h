// The attributes of node and tank references: read and written by tag (tags compare in upper
// case), and made from the attribute definitions of the block.
#pragma once

#include "dbblkref.h"
#include "schema/schema_names.h"

#include <optional>
#include <span>
#include <string>
#include <vector>

struct TzRvnTaggedText {
    std::wstring tag;
    std::wstring text;
};

// The tags and texts of the reference's attributes, in its order; false when an attribute
// cannot be opened.
bool ReadAttributeTexts(const AcDbBlockReference& reference, std::vector<TzRvnTaggedText>& texts);
// The text of the first attribute with that tag, or nothing.
std::optional<std::wstring> FindAttributeText(const std::vector<TzRvnTaggedText>& texts, std::wstring_view tag);
// Gives each non-constant attribute whose tag is among texts that text; attributes that cannot be
// opened for write are passed over. The number of attributes changed.
int WriteAttributeTexts(const AcDbBlockReference& reference, const std::vector<TzRvnTaggedText>& texts);

// Adds to the reference (in model space, open for write) one attribute per non-constant
// attribute definition of its block, each made from its definition and carried by the block
// transform (so turned by the reference's rotation). An attribute takes the text of its tag from
// texts and the layer of its tag from layers (network layer + suffix); another tag gets no text
// and stays on the network layer. Stops at the first failure, with its status.
Acad::ErrorStatus AddBlockAttributes(AcDbBlockReference& reference, std::wstring_view networkLayer,
                                     std::span<const rvnschema::AttributeLayer> layers,
                                     const std::vector<TzRvnTaggedText>& texts);

// True when two tags are the same in upper case.
bool SameTag(std::wstring_view a, std::wstring_view b);
