// The plug-in's commands: each a parameterless function exported under its name, registered at
// load in the command group "ASDK_CMD" with that name as both global and local name.
#pragma once

#include "aced.h"

#include <array>

inline constexpr wchar_t kCommandGroup[] = L"ASDK_CMD";

struct TzRvnCommand {
    const wchar_t* name;
    AcRxFunctionPtr function;
};

const std::array<TzRvnCommand, 11>& commandTable();

// Adds every command to the group on the host's command stack. False when one could not be
// added (the command line says which); the others are added still.
bool RegisterCommands();
// Removes the group from the command stack found in the system registry; nothing when there is
// no command stack.
void RemoveCommandGroup();
