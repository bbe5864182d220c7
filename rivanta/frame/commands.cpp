#include "frame/commands.h"

#include "dialogs/network_database_command.h"
#include "frame/command_frame.h"
#include "profiles/pipe_on_profile.h"
#include "profiles/profile_command.h"
#include "schema/branch_command.h"
#include "schema/modify_command.h"
#include "schema/node_command.h"
#include "schema/pipe_test_command.h"
#include "schema/polyline_branch_command.h"
#include "schema/tank_command.h"

namespace {
constexpr TzRvnDrawingSettings kEditing = TzRvnDrawingSettings::attributesShown;
}  // namespace

// Each command's line names its body; nullptr stands for a feature not in this version.
void ArPoRet() { RunCommand(L"ArPoRet", TzRvnResources::pluginFirst, nullptr); }
void CalcRet() { RunCommand(L"CalcRet", TzRvnResources::pluginFirst, &OpenNetworkDatabase, kEditing); }
void GePoRet() { RunCommand(L"GePoRet", TzRvnResources::pluginFirst, nullptr); }
void ModiRet() { RunCommand(L"ModiRet", TzRvnResources::pluginFirst, &ModifyElement, kEditing); }
void NodoRet() { RunCommand(L"NodoRet", TzRvnResources::pluginFirst, &PlaceNodes, kEditing); }
void PoliRet() { RunCommand(L"PoliRet", TzRvnResources::unchanged, &BranchFromPolyline, kEditing); }
void ProfRet() { RunCommand(L"ProfRet", TzRvnResources::pluginFirst, &ComposeProfiles, kEditing); }
void RamoRet() { RunCommand(L"RamoRet", TzRvnResources::pluginFirst, &DrawBranches, kEditing); }
void SerbRet() { RunCommand(L"SerbRet", TzRvnResources::pluginFirst, &PlaceTanks, kEditing); }
void TestRet() { RunCommand(L"TestRet", TzRvnResources::unchanged, &TestPipePolyline, kEditing); }
void TubaRet() { RunCommand(L"TubaRet", TzRvnResources::unchanged, &DrawPipeOnProfile); }
