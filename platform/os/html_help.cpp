#include "html_help.h"

#include "text_codec.h"
#include "transcript.h"

#include <sys/stat.h>

namespace {

std::vector<std::wstring>& topics() {
    static std::vector<std::wstring> shown;
    return shown;
}

// The viewer window stands for the open viewer; callers only test it against nullptr.
HWND viewerWindow() {
    static char window;
    return reinterpret_cast<HWND>(&window);
}

bool isHelpFile(const std::wstring& path) {
    struct stat info {};
    return stat(rvnos::toUtf8(path).c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

std::wstring requestedTopic(LPCWSTR file, DWORD_PTR data) {
    std::wstring request(file);
    const auto* topic = reinterpret_cast<LPCWSTR>(data);
    if (topic && *topic && request.find(L"::") == std::wstring::npos) {
        request += (*topic == L'/') ? L"::" : L"::/";
        request += topic;
    }
    return request;
}

}  // namespace

namespace rvnos {

const std::vector<std::wstring>& shownHelpTopics() { return topics(); }

void clearShownHelpTopics() { topics().clear(); }

}  // namespace rvnos

HWND HtmlHelpW(HWND, LPCWSTR file, UINT command, DWORD_PTR data) {
    if (command != HH_DISPLAY_TOPIC || file == nullptr) return nullptr;
    const std::wstring request = requestedTopic(file, data);
    if (!isHelpFile(request.substr(0, request.find(L"::")))) return nullptr;
    topics().push_back(request);
    rvnhost::Transcript::instance().add(rvnhost::TranscriptKind::Dialog, L"Help: " + request);
    return viewerWindow();
}
