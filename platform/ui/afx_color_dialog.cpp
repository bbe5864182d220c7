#include "afx_color_dialog.h"

#include "input_source.h"
#include "message_box.h"
#include "transcript.h"

#include <array>
#include <cwctype>
#include <string>
#include <vector>

namespace {

constexpr wchar_t kDialogName[] = L"Dialog \"Colore\"";
constexpr wchar_t kActions[] =
    L"Colour actions: colour R,G,B (each 0 to 255), colour N (basic colour 0 to 15), ok, esc";

// The picker's basic colours: the sixteen colours of the system's standard palette.
constexpr std::array<COLORREF, 16> kBasicColours{
    RGB(0, 0, 0),     RGB(128, 0, 0),     RGB(0, 128, 0),     RGB(128, 128, 0),  RGB(0, 0, 128), RGB(128, 0, 128),
    RGB(0, 128, 128), RGB(192, 192, 192), RGB(128, 128, 128), RGB(255, 0, 0),    RGB(0, 255, 0), RGB(255, 255, 0),
    RGB(0, 0, 255),   RGB(255, 0, 255),   RGB(0, 255, 255),   RGB(255, 255, 255)};

enum class PickerStep { goOn, accept, cancel };

std::wstring trimmed(std::wstring_view text) {
    const auto first = text.find_first_not_of(L" \t");
    if (first == std::wstring_view::npos) return L"";
    return std::wstring(text.substr(first, text.find_last_not_of(L" \t") - first + 1));
}

// A whole number of at most three digits; nullopt for anything else.
std::optional<int> smallNumber(std::wstring_view text) {
    const std::wstring digits = trimmed(text);
    if (digits.empty() || digits.size() > 3) return std::nullopt;
    int value = 0;
    for (wchar_t c : digits) {
        if (c < L'0' || c > L'9') return std::nullopt;
        value = value * 10 + (c - L'0');
    }
    return value;
}

std::wstring rgbText(COLORREF colour) {
    return std::to_wstring(GetRValue(colour)) + L"," + std::to_wstring(GetGValue(colour)) + L"," +
           std::to_wstring(GetBValue(colour));
}

// A line of the picker on the transcript: "Dialog "Colore" " and what it did.
void record(const std::wstring& what) {
    rvnhost::Transcript::instance().add(rvnhost::TranscriptKind::Dialog, kDialogName + (L" " + what));
}

void refuse(const std::wstring& reason) {
    rvnhost::Transcript::instance().add(rvnhost::TranscriptKind::CommandLine, L"\n" + reason);
}

std::wstring lowerCase(std::wstring text) {
    for (auto& c : text) c = static_cast<wchar_t>(std::towlower(c));
    return text;
}

// Does one action line on the colour shown; tells whether the picker goes on.
PickerStep applyAction(const std::wstring& line, COLORREF& shown) {
    const std::wstring action = trimmed(line);
    const std::wstring verb = lowerCase(action.substr(0, action.find_first_of(L" \t")));
    if (verb == L"ok" || verb == L"enter") return PickerStep::accept;
    if (verb == L"esc" || verb == L"cancel" || verb == L"*cancel*") return PickerStep::cancel;
    const bool colourVerb = (verb == L"colour" || verb == L"color") && action.size() > verb.size();
    const std::optional<COLORREF> chosen =
        colourVerb ? rvnhost::colourOfText(std::wstring_view(action).substr(verb.size())) : std::nullopt;
    if (chosen) shown = *chosen;
    else refuse(kActions);
    return PickerStep::goOn;
}

}  // namespace

namespace rvnhost {

std::optional<COLORREF> colourOfText(std::wstring_view text) {
    std::vector<int> parts;
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = text.find(L',', start);
        const std::optional<int> part = smallNumber(text.substr(start, comma - start));
        if (!part || *part > 255) return std::nullopt;
        parts.push_back(*part);
        if (comma == std::wstring_view::npos) break;
        start = comma + 1;
    }
    if (parts.size() == 3) {
        return RGB(static_cast<BYTE>(parts[0]), static_cast<BYTE>(parts[1]), static_cast<BYTE>(parts[2]));
    }
    if (parts.size() == 1 && parts[0] < static_cast<int>(kBasicColours.size())) return kBasicColours[parts[0]];
    return std::nullopt;
}

}  // namespace rvnhost

CColorDialog::CColorDialog(COLORREF initial, DWORD flags, CWnd* parent) {
    m_cc.hwndOwner = parent ? parent->GetSafeHwnd() : nullptr;
    m_cc.rgbResult = initial;
    m_cc.Flags = flags | CC_RGBINIT;
}

INT_PTR CColorDialog::DoModal() {
    const COLORREF initial = m_cc.rgbResult;
    COLORREF shown = initial;
    record(L"opened: " + rgbText(shown));
    PickerStep step = PickerStep::goOn;
    while (step == PickerStep::goOn) {
        if (rvnhost::currentInput().isInteractive()) {
            rvnhost::Transcript::instance().add(rvnhost::TranscriptKind::Dialog,
                                                L"\n[Colore] " + rgbText(shown) + L"\n  " + kActions);
        }
        const std::optional<std::wstring> line = rvnhost::readAnswer(std::wstring(L"\n") + kDialogName + L": ");
        if (!line) {
            rvnhost::Transcript::instance().add(rvnhost::TranscriptKind::Error,
                                                L"The dialog \"Colore\" was left waiting for input: it is cancelled");
            break;
        }
        step = applyAction(*line, shown);
    }
    const bool accepted = step == PickerStep::accept;
    m_cc.rgbResult = accepted ? shown : initial;
    record((accepted ? L"closed with OK: " : L"closed with Cancel: ") + rgbText(m_cc.rgbResult));
    return accepted ? IDOK : IDCANCEL;
}
