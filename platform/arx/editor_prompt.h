// The loop every input call runs: show the prompt, read an answer, and ask again until the answer
// is acceptable. Cancel words and a source without more input answer RTCAN; Return answers
// RTNONE (asked again under RSG_NONULL); keywords and, under RSG_OTHER, any text answer RTKWORD.
#pragma once

#include <functional>
#include <string>

#include "editor_state.h"

namespace rvnhost {

// What an input call makes of a non-empty answer.
struct Reading {
    enum Outcome { Accepted, NotAValue, Refused } outcome;
    std::wstring message;  // shown before asking again (NotAValue: when no keyword matches either)
};

using AnswerReader = std::function<Reading(const std::wstring& answer)>;

// RTNORM when the reader accepted an answer, RTKWORD, RTNONE or RTCAN. nullMessage is shown when
// Return is refused. The answer goes to the reader untrimmed when keepBlanks, else trimmed.
int askUntilAnswered(const wchar_t* prompt, const InputRequest& request, const AnswerReader& reader,
                     const std::wstring& nullMessage, bool keepBlanks = false);

// Shows a line of the editor's own on the command line.
void showEditorMessage(const std::wstring& message);

}  // namespace rvnhost
