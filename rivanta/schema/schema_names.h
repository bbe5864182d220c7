// The names the schema of a network carries in the drawing: layers, blocks and their files,
// attribute tags and the registered application of the branch data.
#pragma once

#include <string_view>

namespace rvnschema {

// A network's layer is this prefix followed by the network name.
inline constexpr std::wstring_view kNetworkLayerPrefix = L"TZ-RV-";
// The companion layer of the excluded branches: the network layer name followed by this.
inline constexpr std::wstring_view kOffLayerSuffix = L"-OFF";

inline constexpr wchar_t kNodeBlockName[] = L"TZ-RV-NODO";
inline constexpr wchar_t kTankBlockName[] = L"TZ-RV-SERB";
// The block drawings under the program folder.
inline constexpr std::wstring_view kNodeBlockFile = L"Blocks/NodoRvn.dwg";
inline constexpr std::wstring_view kTankBlockFile = L"Blocks/SerbRvn.dwg";

// The application whose extended data makes a 3D polyline a branch.
inline constexpr wchar_t kSchemaApplication[] = L"TZ-SCHEMA_RETE-RVN";
// The application of the per-vertex data of the polylines a branch is made from.
inline constexpr wchar_t kPolylineVertexApplication[] = L"TZ-C-TOZARI";
// The application of the per-vertex data of pipe polylines drawn on profiles.
inline constexpr wchar_t kPipeVertexApplication[] = L"TZ-TOZARI-TZ-RV";

// The attribute tags of the node and tank blocks.
inline constexpr wchar_t kNodeSymbolTag[] = L"NODE_00";
inline constexpr wchar_t kNodeNameTag[] = L"NODE_01";
inline constexpr wchar_t kNodeDemandTag[] = L"NODE_02";
inline constexpr wchar_t kNodeElevationTag[] = L"NODE_03";
inline constexpr wchar_t kNodeNoteTag[] = L"NODE_04";
inline constexpr wchar_t kTankSymbolTag[] = L"TANK_00";
inline constexpr wchar_t kTankHeadTag[] = L"TANK_01";
inline constexpr wchar_t kTankNoteTag[] = L"TANK_02";

// The layer of each attribute: the network layer name followed by the suffix, in the order the
// layers are made.
struct AttributeLayer {
    const wchar_t* tag;
    std::wstring_view suffix;
};
inline constexpr AttributeLayer kNodeAttributeLayers[] = {
    {kNodeSymbolTag, L"-SN"}, {kNodeNameTag, L"-NN"}, {kNodeDemandTag, L"-QN"},
    {kNodeElevationTag, L"-ZN"}, {kNodeNoteTag, L"-DN"},
};
inline constexpr AttributeLayer kTankAttributeLayers[] = {
    {kTankSymbolTag, L"-SS"}, {kTankHeadTag, L"-HS"}, {kTankNoteTag, L"-DS"},
};

}  // namespace rvnschema
