// The settings file "rvnsetup.par": 21 lines, one field of TzRvnSettings per line in field order,
// integers as "%d", reals as "%.10Lf", values in SI.
#pragma once

#include "network/line_check.h"
#include "network/settings.h"

#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

inline constexpr wchar_t kSettingsFileName[] = L"rvnsetup.par";

// Fills settings from the text of a settings file. Line k sets field k (lines of at most 150
// characters, each cut at its first line feed and carriage return; integers read as _wtoi, reals
// as _wtof, 0 when no number leads). Fields without a line keep their values; lines after the
// 21st are ignored.
void ReadSettingsText(std::string_view utf8, TzRvnSettings& settings);

// The first fault of a settings file's text, for the callers that refuse a malformed file rather
// than read its faults as 0: each of the 21 lines must hold one number of its field's kind (see
// CheckNumberLine); lines after the 21st are not looked at. None when the text is well formed.
std::optional<TzRvnLineFault> CheckSettingsText(std::string_view utf8);

// Reads the rest of an open file as ReadSettingsText does; 0 on a read error, else 1.
int ReadSettingsFile(std::FILE* file, TzRvnSettings& settings);

// The 21 lines of the file (UTF-8, "\n" line ends).
std::string SettingsFileText(const TzRvnSettings& settings);

// Opens path in mode "r+" (the file must exist and be writable) and reads it; 0 when the file
// cannot be opened or read, settings then unchanged.
int LoadSettingsFile(const std::wstring& path, TzRvnSettings& settings);

// Reads the file at path whole (opened for reading only: an installed program folder may be
// read-only) and checks it (CheckSettingsText) before it sets settings: a missing, unreadable or
// malformed file leaves settings unchanged. The plug-in writes the file (SaveSettingsFile,
// host/output_files.h).
TzRvnCheckedFile ReadCheckedSettingsFile(const std::wstring& path, TzRvnSettings& settings);
