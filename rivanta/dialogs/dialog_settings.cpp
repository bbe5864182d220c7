#include "dialogs/dialog_settings.h"

#include "analysis/jobs/calc_program_folder.h"
#include "dialogs/settings_dialog_texts.h"
#include "frame/translation.h"
#include "host/open_object.h"
#include "netobj/network_object.h"
#include "network/settings_file.h"

#include <string_view>

namespace {

namespace Text = TzRvnSettingsDialogText;

// The settings file's message, with the file and, for a malformed file, the line at fault.
std::wstring FileMessage(const std::wstring& path, const TzRvnCheckedFile& read) {
    const std::wstring message = TranslateText(Text::kFileUnreadable);
    if (read.status != TzRvnCheckedFileStatus::malformed) {
        return message + FormatTranslated(Text::kFileAt, {std::wstring_view(path)});
    }
    return message + FormatTranslated(Text::kFileLineAt, {std::wstring_view(path), static_cast<int>(read.fault.line),
                                                          std::wstring_view(LineFaultText(read.fault))});
}

}  // namespace

TzRvnSettingsLoad LoadDialogSettings(const std::wstring& programFolder, AcDbObjectId network, TzRvnSettings& settings) {
    if (!network.isNull()) {
        TzRvnOpenObject<TzRvnNetwork> opened(network, AcDb::kForRead);
        if (!opened.isOpen()) return {TzRvnSettingsFailure::network, TranslateText(Text::kNetworkUnreadable)};
        settings = opened->getSettings();
        return {};
    }
    if (programFolder.empty()) return {TzRvnSettingsFailure::file, TranslateText(Text::kFileUnreadable)};
    const std::wstring path = programFolder + kSettingsFileName;
    const TzRvnCheckedFile read = ReadCheckedSettingsFile(path, settings);
    if (read.status == TzRvnCheckedFileStatus::read) return {};
    return {TzRvnSettingsFailure::file, FileMessage(path, read)};
}
