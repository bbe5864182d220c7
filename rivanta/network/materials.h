// The materials archive "rvnmateriali.dat": pipe materials with their absolute roughness, two
// lines per material (the name, then the roughness in metres as "%.10Lf"), no header.
#pragma once

#include "network/line_check.h"

#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

inline constexpr wchar_t kMaterialsFileName[] = L"rvnmateriali.dat";

struct CMateriale {
    std::wstring name;
    double roughness = 0.0;  // m

    bool operator==(const CMateriale&) const = default;
};

// The process-wide material list, in file order; it lives as long as the plug-in.
std::vector<CMateriale>& MaterialList();

// Replaces list by the materials of an archive's text: lines of at most 127 characters without
// their line ends, odd lines names, even lines roughness read as _wtof; a last name without its
// value line is ignored.
void ReadMaterialsText(std::string_view utf8, std::vector<CMateriale>& list);

// The first fault of an archive's text, for the callers that refuse a malformed archive rather
// than read its faults as 0: every name line must be whole (not cut by the line buffer) and be
// followed by a roughness line holding one number (see CheckNumberLine). None when well formed.
std::optional<TzRvnLineFault> CheckMaterialsText(std::string_view utf8);

// The archive's text for list (UTF-8, "\n" line ends).
std::string MaterialsFileText(const std::vector<CMateriale>& list);

// True when material, written to an archive, reads back as itself and passes CheckMaterialsText:
// its name holds no line end and fits the reader's line, its roughness is finite and short enough.
bool IsWritableMaterial(const CMateriale& material);

// Opens path in mode "r+" and replaces list by its materials; 0 (list unchanged) when the file
// cannot be opened or read.
int LoadMaterials(const std::wstring& path, std::vector<CMateriale>& list);

// Reads the archive at path whole (opened for reading only) and checks it (CheckMaterialsText)
// before it replaces materials; an archive without materials is refused too (noMaterial). A
// refused archive leaves materials unchanged. The plug-in writes archives (SaveMaterials,
// host/output_files.h).
TzRvnCheckedFile ReadCheckedMaterials(const std::wstring& path, std::vector<CMateriale>& materials);
