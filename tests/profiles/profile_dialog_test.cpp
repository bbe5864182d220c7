// ProfRet and its dialog "Crea Profili": the network asked, the lists filled from the schema, the
// profiles composed by double clicks, the current profile chosen by its row number, the reset of
// its last node, and the figures of the current profile.
#include "profile_fixture.h"

namespace {

using profiletest::ProfileTest;
using Names = std::vector<std::wstring>;

std::wstring fields(const wchar_t* length, const wchar_t* maximum, const wchar_t* minimum) {
    return std::wstring(L"closed with OK: 9022 Lunghezza profilo [ m ]=\"") + length +
           L"\"; 9036 Quota massima [ m ]=\"" + maximum + L"\"; 9037 Quota minima [ m ]=\"" + minimum + L"\"";
}

TEST_F(ProfileTest, Probe) {
    drawNetwork();
    EXPECT_TRUE(profRet({L"rete", L"dblclick 9043 1 1", L"dblclick 9044 1 1", L"click 1"}));
    ADD_FAILURE() << rvnos::toUtf8(all());
}

}  // namespace
