#include "profiles/profile_command.h"

#include "acedads.h"
#include "frame/command_line.h"
#include "frame/translation.h"
#include "profiles/profile_dialog.h"
#include "profiles/profile_list.h"
#include "profiles/profile_texts.h"
#include "profiles/title_block.h"
#include "zaf_acad_mgr.h"

namespace Text = TzRvnProfileText;

namespace {
constexpr int kNoBlanks = 0;
constexpr std::size_t kNameBuffer = 132;
}  // namespace

void ComposeProfiles() {
    ACHAR name[kNameBuffer] = {};
    const std::wstring prompt = TranslateText(Text::kNetworkPrompt);
    if (ZafAcadMgr::zaf_acedGetString(kNoBlanks, prompt.c_str(), name, kNameBuffer) != RTNORM) {
        return PrintMessage(Text::kPromptNotRead);
    }
    ProfileNetworkName() = name;
    ResetProfiles();
    TzRvnAskNextTitleBlockPoint();
    RunProfileDialog();
}
