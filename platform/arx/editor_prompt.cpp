#include "editor_prompt.h"

#include "adscodes.h"
#include "acedads.h"
#include "editor_answers.h"
#include "input_source.h"
#include "transcript.h"

namespace rvnhost {

void showEditorMessage(const std::wstring& message) {
    Transcript::instance().add(TranscriptKind::CommandLine, L"\n" + message);
}

int askUntilAnswered(const wchar_t* prompt, const InputRequest& request, const AnswerReader& reader,
                     const std::wstring& nullMessage, bool keepBlanks) {
    EditorState& editor = EditorState::instance();
    while (true) {
        const std::optional<std::wstring> line = readAnswer(prompt ? prompt : L"");
        if (!line || isCancelWord(*line)) {
            discardPushedBack();
            showEditorMessage(L"*Cancel*");
            return RTCAN;
        }
        const std::wstring answer = keepBlanks ? *line : trimmedAnswer(*line);
        if (trimmedAnswer(answer).empty()) {
            if ((request.flags & RSG_OTHER) && (request.flags & RSG_NONULL)) {
                editor.setKeyword(L"");
                return RTKWORD;
            }
            if (!(request.flags & RSG_NONULL)) return RTNONE;
            showEditorMessage(nullMessage);
            continue;
        }
        const Reading reading = reader(answer);
        if (reading.outcome == Reading::Accepted) return RTNORM;
        if (reading.outcome == Reading::NotAValue) {
            if (const std::optional<std::wstring> keyword = request.keywords.match(trimmedAnswer(answer))) {
                editor.setKeyword(*keyword);
                return RTKWORD;
            }
            if (request.flags & RSG_OTHER) {
                editor.setKeyword(answer);
                return RTKWORD;
            }
        }
        showEditorMessage(reading.message);
    }
}

}  // namespace rvnhost
