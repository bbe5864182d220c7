// The template and control ids of the network database dialog (rivanta/resources/rivanta.rc).
#pragma once

namespace TzRvnDatiReteId {

inline constexpr int kTemplate = 9060;
inline constexpr int kNetworkNames = 9016;
inline constexpr int kPickButton = 9002;
inline constexpr int kNewButton = 9008;
inline constexpr int kSettingsButton = 9004;
inline constexpr int kGridButton = 9001;
inline constexpr int kCalculateButton = 9003;
inline constexpr int kImportButton = 9007;
inline constexpr int kNodeCount = 9025;
inline constexpr int kEdgeCount = 9026;
inline constexpr int kTankCount = 9027;
inline constexpr int kMaxHead = 9028;
inline constexpr int kMinHead = 9029;
inline constexpr int kHelpButton = 9084;

}  // namespace TzRvnDatiReteId
