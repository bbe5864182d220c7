#include "transcript_echo.h"

#include "text_codec.h"

namespace rvnshell {

using rvnhost::TranscriptKind;

void TranscriptEcho::write(std::wstring_view text) {
    if (text.empty()) return;
    const std::string bytes = rvnos::toUtf8(text);
    std::fwrite(bytes.data(), 1, bytes.size(), output_);
    atLineStart_ = text.back() == L'\n';
}

void TranscriptEcho::startLine() {
    if (!atLineStart_) write(L"\n");
}

void TranscriptEcho::show(const rvnhost::TranscriptEntry& entry) {
    switch (entry.kind) {
        case TranscriptKind::CommandLine:
        case TranscriptKind::Prompt: {
            std::wstring_view text = entry.text;
            if (atLineStart_ && text.starts_with(L'\n')) text.remove_prefix(1);
            write(text);
            break;
        }
        case TranscriptKind::Input:
            if (interactive_) atLineStart_ = true;
            else write(entry.text + L"\n");
            break;
        case TranscriptKind::MessageBox:
        case TranscriptKind::Dialog:
            startLine();
            write(entry.text + L"\n");
            break;
        case TranscriptKind::Leak:
        case TranscriptKind::Error: {
            startLine();
            std::fflush(output_);
            const std::string bytes = rvnos::toUtf8(L"** " + entry.text + L"\n");
            std::fwrite(bytes.data(), 1, bytes.size(), errors_);
            std::fflush(errors_);
            ++problems_;
            break;
        }
    }
    if (entry.kind == TranscriptKind::Prompt) std::fflush(output_);
}

void TranscriptEcho::finish() {
    startLine();
    std::fflush(output_);
}

}  // namespace rvnshell
