// The files of the program folder ("tz-cpath") from which "rivanta calc" takes what an imported
// network's file does not give: the settings file for an EPANET input file, the materials archive
// for a Portavia file. Each is read whole and checked line by line before it is used, so that a
// missing, unreadable or malformed file stops the job instead of leaving zeros in the network.
#pragma once

#include "network/line_check.h"
#include "network/materials.h"
#include "network/settings.h"

#include <string>
#include <vector>

// The program folder into folder (ending with its separator); empty on success, else the message.
std::wstring JobProgramFolder(std::wstring& folder);

// Reads the settings file of folder into settings; empty on success, else the message with the
// file's path and, for a malformed file, the line at fault.
std::wstring LoadJobSettings(const std::wstring& folder, TzRvnSettings& settings);

// Replaces materials by those of the materials archive of folder; empty on success, else the
// message with the archive's path and the line at fault (materials then unchanged). An archive
// without materials is refused too: the import takes its default roughness from the first.
std::wstring LoadJobMaterials(const std::wstring& folder, std::vector<CMateriale>& materials);

// What is wrong with a line of the settings file or the materials archive, in words (translated).
std::wstring LineFaultText(const TzRvnLineFault& fault);
