#include "message_box.h"

#include "input_source.h"
#include "presentation_hooks.h"
#include "transcript.h"

#include <cwctype>
#include <vector>

namespace {

struct Button {
    int id;
    const wchar_t* word;
    const wchar_t* caption;
};

constexpr Button kOk{IDOK, L"ok", L"OK"};
constexpr Button kCancel{IDCANCEL, L"cancel", L"Cancel"};
constexpr Button kAbort{IDABORT, L"abort", L"Abort"};
constexpr Button kRetry{IDRETRY, L"retry", L"Retry"};
constexpr Button kIgnore{IDIGNORE, L"ignore", L"Ignore"};
constexpr Button kYes{IDYES, L"yes", L"Yes"};
constexpr Button kNo{IDNO, L"no", L"No"};

std::vector<Button> buttonsOf(UINT type) {
    switch (type & MB_TYPEMASK) {
        case MB_OKCANCEL: return {kOk, kCancel};
        case MB_ABORTRETRYIGNORE: return {kAbort, kRetry, kIgnore};
        case MB_YESNOCANCEL: return {kYes, kNo, kCancel};
        case MB_YESNO: return {kYes, kNo};
        case MB_RETRYCANCEL: return {kRetry, kCancel};
        default: return {kOk};
    }
}

const wchar_t* iconName(UINT type) {
    switch (type & MB_ICONMASK) {
        case MB_ICONERROR: return L"error";
        case MB_ICONQUESTION: return L"question";
        case MB_ICONWARNING: return L"warning";
        case MB_ICONINFORMATION: return L"information";
        default: return nullptr;
    }
}

std::size_t defaultIndex(UINT type, std::size_t buttonCount) {
    const std::size_t index = (type & MB_DEFMASK) >> 8;
    return index < buttonCount ? index : 0;
}

std::wstring answerPrompt(const std::vector<Button>& buttons, std::size_t defaultButton) {
    std::wstring prompt = L"\n";
    for (const Button& button : buttons) {
        if (prompt.size() > 1) prompt += L'/';
        prompt += button.caption;
    }
    return prompt + L" <" + buttons[defaultButton].caption + L">: ";
}

std::wstring lowerCase(std::wstring text) {
    for (auto& c : text) c = static_cast<wchar_t>(std::towlower(c));
    return text;
}

bool isCancelWord(const std::wstring& answer) {
    const std::wstring word = lowerCase(answer);
    return word == L"*cancel*" || word == L"esc" || word == L"^c";
}

bool hasButton(const std::vector<Button>& buttons, int id) {
    for (const Button& button : buttons) {
        if (button.id == id) return true;
    }
    return false;
}

// What Escape chooses: Cancel, or OK on a box with OK alone; 0 when the box cannot be cancelled.
int cancelAnswer(const std::vector<Button>& buttons) {
    if (hasButton(buttons, IDCANCEL)) return IDCANCEL;
    return buttons.size() == 1 ? buttons[0].id : 0;
}

// The answer of a box left without input: the cancel answer, else No, else the first button.
int answerWithoutInput(const std::vector<Button>& buttons) {
    if (const int cancel = cancelAnswer(buttons)) return cancel;
    return hasButton(buttons, IDNO) ? IDNO : buttons[0].id;
}

// The button named by the answer, or 0 when the box has no such button.
int buttonNamed(const std::vector<Button>& buttons, const std::wstring& answer) {
    const std::wstring word = lowerCase(answer);
    for (const Button& button : buttons) {
        if (word == button.word || (word.size() == 1 && word[0] == button.word[0])) return button.id;
    }
    return 0;
}

std::wstring trimmed(const std::wstring& text) {
    const auto first = text.find_first_not_of(L" \t");
    if (first == std::wstring::npos) return L"";
    return text.substr(first, text.find_last_not_of(L" \t") - first + 1);
}

}  // namespace

namespace rvnhost {

std::wstring messageBoxRecord(std::wstring_view caption, std::wstring_view text, UINT type) {
    std::wstring record;
    if (const wchar_t* icon = iconName(type)) record = std::wstring(L"[") + icon + L"] ";
    return record + std::wstring(caption) + L": " + std::wstring(text);
}

}  // namespace rvnhost

int MessageBoxW(HWND, LPCWSTR text, LPCWSTR caption, UINT type) {
    const std::vector<Button> buttons = buttonsOf(type);
    const std::size_t defaultButton = defaultIndex(type, buttons.size());
    rvnhost::Transcript::instance().add(rvnhost::TranscriptKind::MessageBox,
                                        rvnhost::messageBoxRecord(caption ? caption : L"Error", text ? text : L"", type));
    if (const auto& presenter = rvnhost::messageBoxPresenter()) {
        return presenter(text ? text : L"", caption ? caption : L"Error", type);
    }
    const std::wstring prompt = answerPrompt(buttons, defaultButton);
    while (true) {
        const std::optional<std::wstring> line = rvnhost::readAnswer(prompt);
        if (!line) return answerWithoutInput(buttons);
        const std::wstring answer = trimmed(*line);
        if (answer.empty()) return buttons[defaultButton].id;
        if (isCancelWord(answer) && cancelAnswer(buttons) != 0) return cancelAnswer(buttons);
        if (const int chosen = buttonNamed(buttons, answer)) return chosen;
        rvnhost::Transcript::instance().add(rvnhost::TranscriptKind::CommandLine,
                                            L"\nAnswer with one of: " + prompt.substr(1, prompt.find(L" <") - 1));
    }
}
