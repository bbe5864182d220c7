// The controls of the profile dialog (template 9071).
#pragma once

namespace TzRvnProfileDialog {
inline constexpr int kTemplate = 9071;
inline constexpr int kNodeList = 9043;
inline constexpr int kBranchList = 9044;
inline constexpr int kComposition = 9045;
inline constexpr int kLengthField = 9022;
inline constexpr int kMaximumField = 9036;
inline constexpr int kMinimumField = 9037;
inline constexpr int kPickButton = 9055;
inline constexpr int kResetButton = 9054;
inline constexpr int kDrawButton = 9056;
inline constexpr int kHelpButton = 9084;
}  // namespace TzRvnProfileDialog
