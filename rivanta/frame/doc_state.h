// The plug-in's state of one document: the document's database, the node names in use in its
// schema and the layer of the network the user is working on.
#pragma once

#include "network/name_field.h"

#include <string>
#include <string_view>
#include <vector>

class AcApDocument;
class AcDbDatabase;

class TzRvnDocState {
public:
    // The longest layer name kept, in UTF-16 code units (a field of 256 with its terminator).
    static constexpr std::size_t kMaxLayerUnits = 255;

    // A state with no node names and no current layer; the database is the document's.
    explicit TzRvnDocState(AcApDocument* document);

    AcApDocument* document() const { return document_; }
    AcDbDatabase* database() const { return database_; }

    // Inserts the name in its sorted place (ordinal order of UTF-16 code units) unless it is there
    // already. False, changing nothing, for a text that cannot be a node name.
    bool addNodeName(std::wstring_view name);
    // True when the name is present (exact, case-sensitive match).
    bool hasNodeName(std::wstring_view name) const;
    void removeNodeName(std::wstring_view name);
    // Empties the node names and the current layer.
    void clearNodeNames();
    const std::vector<TzRvnName>& nodeNames() const { return nodeNames_; }

    // The current network layer ("TZ-RV-" + network name); empty when none.
    const std::wstring& currentLayer() const { return currentLayer_; }
    // Replaces the current layer name. False, changing nothing, for a name longer than 255
    // UTF-16 code units or holding a zero character.
    bool setCurrentLayer(std::wstring_view layerName);

private:
    std::vector<TzRvnName>::const_iterator sortedPlace(std::wstring_view name) const;

    AcApDocument* document_;
    AcDbDatabase* database_;
    std::vector<TzRvnName> nodeNames_;
    std::wstring currentLayer_;
};
