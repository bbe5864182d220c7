#include "profiles/profile_list.h"

std::vector<ProfileChain>& ProfileList() {
    static std::vector<ProfileChain> profiles;
    return profiles;
}

std::wstring& ProfileNetworkName() {
    static std::wstring name;
    return name;
}

TzRvnProfilePicking& ProfilePicking() {
    static TzRvnProfilePicking picking;
    return picking;
}

void ResetProfiles() {
    ProfileList().clear();
    ProfilePicking() = TzRvnProfilePicking();
}
