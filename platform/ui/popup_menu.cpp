// A popup menu shown to the user: the transcript lists its items, and the item chosen comes from
// the input source as its text (any case, without the '&' of its mnemonic) or its command id. An
// empty line or "esc" closes the menu without a choice; an item that is grayed or not on the menu
// is said and asked again.
#include "afx_menu.h"
#include "afx_wnd.h"
#include "input_source.h"
#include "transcript.h"

#include <algorithm>
#include <cwctype>
#include <string>
#include <vector>

namespace {

struct Choice {
    std::wstring text;  // as the user names it: popups' texts and the item's, joined by " > "
    UINT id = 0;
    bool grayed = false;
};

std::wstring plainText(const std::wstring& text) {
    std::wstring plain;
    for (wchar_t c : text) plain += static_cast<wchar_t>(std::towlower(c));
    return plain;
}

// The item's text as shown, without the '&' that marks its mnemonic.
std::wstring itemText(HMENU menu, int position) {
    std::wstring text(static_cast<std::size_t>(GetMenuStringW(menu, static_cast<UINT>(position), nullptr, 0, MF_BYPOSITION)), L' ');
    GetMenuStringW(menu, static_cast<UINT>(position), text.data(), static_cast<int>(text.size()) + 1, MF_BYPOSITION);
    std::erase(text, L'&');
    return text;
}

void collectChoices(HMENU menu, const std::wstring& path, std::vector<Choice>& choices) {
    for (int position = 0; position < GetMenuItemCount(menu); ++position) {
        const UINT state = GetMenuState(menu, static_cast<UINT>(position), MF_BYPOSITION);
        if (state & MF_SEPARATOR) continue;
        const std::wstring text = path + itemText(menu, position);
        if (HMENU popup = GetSubMenu(menu, position)) {
            collectChoices(popup, text + L" > ", choices);
        } else {
            choices.push_back({text, GetMenuItemID(menu, position), (state & (MF_GRAYED | MF_DISABLED)) != 0});
        }
    }
}

std::wstring listing(const std::vector<Choice>& choices) {
    std::wstring text = L"Menu:";
    for (const Choice& choice : choices) {
        text += L" [" + std::to_wstring(choice.id) + L" " + choice.text + (choice.grayed ? L" (grayed)]" : L"]");
    }
    return text;
}

const Choice* findChoice(const std::vector<Choice>& choices, const std::wstring& answer) {
    const auto named = std::find_if(choices.begin(), choices.end(), [&](const Choice& choice) {
        return plainText(choice.text) == plainText(answer) || std::to_wstring(choice.id) == answer;
    });
    return named == choices.end() ? nullptr : &*named;
}

bool closesMenu(const std::wstring& answer) {
    const std::wstring word = plainText(answer);
    return word.empty() || word == L"esc" || word == L"*cancel*";
}

// The command chosen; 0 when the menu is closed without one.
UINT chooseItem(HMENU menu) {
    std::vector<Choice> choices;
    collectChoices(menu, L"", choices);
    rvnhost::Transcript::instance().add(rvnhost::TranscriptKind::Dialog, listing(choices));
    while (true) {
        const std::optional<std::wstring> answer = rvnhost::readAnswer(L"\nMenu item: ");
        if (!answer || closesMenu(*answer)) return 0;
        const Choice* choice = findChoice(choices, *answer);
        if (choice && !choice->grayed) return choice->id;
        rvnhost::Transcript::instance().add(rvnhost::TranscriptKind::CommandLine,
                                            choice ? L"\nThe item \"" + choice->text + L"\" is grayed"
                                                   : L"\nThe menu has no item \"" + *answer + L"\"");
    }
}

}  // namespace

BOOL TrackPopupMenu(HMENU menu, UINT flags, int, int, int, HWND owner, const RECT*) {
    if (!IsMenu(menu)) return FALSE;
    const UINT command = chooseItem(menu);
    if (command == 0 || (flags & TPM_RETURNCMD)) return static_cast<BOOL>(command);
    if (CWnd* window = CWnd::FromHandle(owner); window && !(flags & TPM_NONOTIFY)) {
        window->OnCommand(MAKEWPARAM(command, 0), 0);
    }
    return TRUE;
}

BOOL CMenu::TrackPopupMenu(UINT flags, int x, int y, CWnd* owner, const RECT* rect) {
    return ::TrackPopupMenu(m_hMenu, flags, x, y, 0, owner ? owner->GetSafeHwnd() : nullptr, rect);
}
