#include "dialogs/roughness_dialog.h"

#include "frame/command_line.h"
#include "frame/job_texts.h"
#include "frame/translation.h"

#include <string_view>

namespace {

constexpr wchar_t kRoughnessDialogName[] = L"Scabrezza";

}  // namespace

void RunRoughnessDialog(CWnd*, const std::wstring&, AcDbObjectId) {
    PrintMessage(FormatText(rvntext::kCommandNotAvailable, {std::wstring_view(kRoughnessDialogName)}));
}
