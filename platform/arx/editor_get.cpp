// The input calls of the editor: acedInitGet, acedGetPoint, acedGetInt, acedGetReal,
// acedGetString, acedGetKword and acedGetInput.
#include "acedads.h"
#include "editor_answers.h"
#include "editor_prompt.h"
#include "editor_state.h"
#include "input_source.h"
#include "sysvars.h"
#include "units_format.h"

#include <algorithm>
#include <cwchar>

namespace {

using rvnhost::Reading;

// Copies text into a buffer of bufferLength units: RTNORM, or RTINPUTTRUNCATED when it was cut.
int copyAnswer(const std::wstring& text, ACHAR* buffer, std::size_t bufferLength) {
    if (buffer == nullptr || bufferLength == 0) return RTERROR;
    const std::size_t count = std::min(text.size(), bufferLength - 1);
    std::wmemcpy(buffer, text.c_str(), count);
    buffer[count] = L'\0';
    return count < text.size() ? RTINPUTTRUNCATED : RTNORM;
}

// Applies RSG_NOZERO and RSG_NONEG to an accepted number.
Reading checkSign(double value, int flags) {
    if ((flags & RSG_NOZERO) && value == 0.0) return {Reading::Refused, L"Value must be nonzero."};
    if ((flags & RSG_NONEG) && value < 0.0) return {Reading::Refused, L"Value must be positive."};
    return {Reading::Accepted, {}};
}

}  // namespace

int acedInitGet(int flags, const ACHAR* keywords) {
    rvnhost::EditorState::instance().setNextRequest(flags, keywords ? keywords : L"");
    return RTNORM;
}

int acedGetPoint(const ads_point, const ACHAR* prompt, ads_point result) {
    rvnhost::EditorState& editor = rvnhost::EditorState::instance();
    const rvnhost::InputRequest request = editor.takeRequest();
    const int angularUnits = rvnhost::integerVariable(L"AUNITS", 0);
    AcGePoint3d point;
    const int status = rvnhost::askUntilAnswered(
        prompt, request,
        [&](const std::wstring& answer) {
            const std::optional<AcGePoint3d> typed = rvnhost::parsePoint(answer, editor.lastPoint(), angularUnits);
            if (!typed) return Reading{Reading::NotAValue, L"Point or option keyword required."};
            point = *typed;
            return Reading{Reading::Accepted, {}};
        },
        L"Point or option keyword required.");
    if (status == RTNORM) {
        result[X] = point.x;
        result[Y] = point.y;
        result[Z] = point.z;
        editor.setLastPoint(point);
    }
    return status;
}

int acedGetInt(const ACHAR* prompt, int* result) {
    const rvnhost::InputRequest request = rvnhost::EditorState::instance().takeRequest();
    int value = 0;
    const int status = rvnhost::askUntilAnswered(
        prompt, request,
        [&](const std::wstring& answer) {
            const std::optional<int> typed = rvnhost::parseShortInteger(answer);
            if (!typed && rvnhost::looksLikeInteger(answer)) {
                return Reading{Reading::Refused, L"Requires an integer between -32768 and 32767."};
            }
            if (!typed) return Reading{Reading::NotAValue, L"Requires an integer value."};
            value = *typed;
            return checkSign(value, request.flags);
        },
        L"Requires an integer value.");
    if (status == RTNORM && result) *result = value;
    return status;
}

int acedGetReal(const ACHAR* prompt, ads_real* result) {
    const rvnhost::InputRequest request = rvnhost::EditorState::instance().takeRequest();
    double value = 0.0;
    const int status = rvnhost::askUntilAnswered(
        prompt, request,
        [&](const std::wstring& answer) {
            const std::optional<double> typed = rvnhost::parseNumber(answer);
            if (!typed) return Reading{Reading::NotAValue, L"Requires numeric value."};
            value = *typed;
            return checkSign(value, request.flags);
        },
        L"Requires numeric value.");
    if (status == RTNORM && result) *result = value;
    return status;
}

int acedGetString(int cronly, const ACHAR* prompt, ACHAR* result, std::size_t bufferLength) {
    rvnhost::EditorState::instance().takeRequest();
    const std::optional<std::wstring> line = rvnhost::readAnswer(prompt ? prompt : L"");
    if (!line || rvnhost::isCancelWord(*line)) {
        rvnhost::discardPushedBack();
        rvnhost::showEditorMessage(L"*Cancel*");
        return RTCAN;
    }
    std::wstring text = *line;
    const std::size_t blank = cronly ? std::wstring::npos : text.find(L' ');
    if (blank != std::wstring::npos) {
        const std::size_t rest = text.find_first_not_of(L' ', blank);
        if (rest != std::wstring::npos) rvnhost::pushBackAnswer(text.substr(rest));
        text.resize(blank);
    }
    return copyAnswer(text, result, bufferLength);
}

int acedGetKword(const ACHAR* prompt, ACHAR* result, std::size_t bufferLength) {
    rvnhost::EditorState& editor = rvnhost::EditorState::instance();
    const rvnhost::InputRequest request = editor.takeRequest();
    const int status = rvnhost::askUntilAnswered(
        prompt, request, [](const std::wstring&) { return Reading{Reading::NotAValue, L"Invalid option keyword."}; },
        L"Invalid option keyword.");
    if (status == RTNONE) return copyAnswer(L"", result, bufferLength) == RTNORM ? RTNONE : RTERROR;
    if (status != RTKWORD) return status;
    const std::wstring keyword = editor.keyword().value_or(L"");
    return copyAnswer(keyword, result, bufferLength);
}

int acedGetInput(ACHAR* result, std::size_t bufferLength) {
    const std::optional<std::wstring>& keyword = rvnhost::EditorState::instance().keyword();
    if (!keyword) return RTERROR;
    const int status = copyAnswer(keyword->substr(0, ACED_MAX_INPUT - 1), result, bufferLength);
    return status == RTERROR ? RTERROR : RTNORM;
}
