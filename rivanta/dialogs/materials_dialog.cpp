#include "dialogs/materials_dialog.h"

#include "frame/command_line.h"
#include "frame/job_texts.h"
#include "frame/translation.h"

#include <string_view>

namespace {

constexpr wchar_t kMaterialsDialogName[] = L"Materiali";

}  // namespace

void RunMaterialsDialog(CWnd*, const std::wstring&, AcDbObjectId) {
    PrintMessage(FormatText(rvntext::kCommandNotAvailable, {std::wstring_view(kMaterialsDialogName)}));
}
