#include "transcript.h"

namespace rvnhost {

Transcript& Transcript::instance() {
    static Transcript transcript;
    return transcript;
}

void Transcript::add(TranscriptKind kind, std::wstring text) {
    entries_.push_back({kind, std::move(text)});
    if (echo_) echo_(entries_.back());
}

std::wstring Transcript::textOf(TranscriptKind kind) const {
    std::wstring joined;
    for (const auto& entry : entries_) {
        if (entry.kind == kind) joined += entry.text;
    }
    return joined;
}

bool Transcript::contains(std::wstring_view fragment) const {
    for (const auto& entry : entries_) {
        if (entry.text.find(fragment) != std::wstring::npos) return true;
    }
    return false;
}

}  // namespace rvnhost
