#include "frame/command_table.h"

#include "frame/command_line.h"
#include "frame/commands.h"
#include "frame/job_texts.h"
#include "frame/translation.h"

#include <string>

const std::array<TzRvnCommand, 11>& commandTable() {
    static constexpr std::array<TzRvnCommand, 11> table = {{
        {L"ArPoRet", &ArPoRet},
        {L"CalcRet", &CalcRet},
        {L"GePoRet", &GePoRet},
        {L"ModiRet", &ModiRet},
        {L"NodoRet", &NodoRet},
        {L"PoliRet", &PoliRet},
        {L"ProfRet", &ProfRet},
        {L"RamoRet", &RamoRet},
        {L"SerbRet", &SerbRet},
        {L"TestRet", &TestRet},
        {L"TubaRet", &TubaRet},
    }};
    return table;
}

bool RegisterCommands() {
    AcEdCommandStack* stack = acedRegCmds;
    bool allAdded = stack != nullptr;
    for (const TzRvnCommand& command : commandTable()) {
        if (stack && stack->addCommand(kCommandGroup, command.name, command.name, ACRX_CMD_MODAL, command.function) == Acad::eOk) {
            continue;
        }
        allAdded = false;
        PrintMessage(FormatText(rvntext::kCommandNotRegistered, {std::wstring_view(command.name)}));
    }
    return allAdded;
}

void RemoveCommandGroup() {
    if (AcEdCommandStack* stack = acedRegCmds) stack->removeGroup(kCommandGroup);
}
