// The names by which a profile's title block is found again: its block, its attributes and the
// registered application of the profile's extended data.
#pragma once

#include <string_view>

namespace rvnprofile {

// Title blocks of profiles are references of a block whose name begins with this; their
// attributes OBJ1 and OBJ2 hold the network name and the profile key (node names joined by "-").
inline constexpr std::wstring_view kTitleBlockPrefix = L"TZ-RR";
inline constexpr wchar_t kNetworkTag[] = L"OBJ1";
inline constexpr wchar_t kProfileKeyTag[] = L"OBJ2";
inline constexpr wchar_t kProfileKeySeparator = L'-';
// The application of the title block's link and of the section marks' extended data.
inline constexpr wchar_t kProfileApplication[] = L"TZ-TOZARI-TZ-RR";

}  // namespace rvnprofile
