#include "drawing_commands.h"

#include <cctype>
#include <filesystem>
#include <string_view>

#include "acdocman.h"
#include "acedads.h"
#include "aced.h"
#include "dbapserv.h"
#include "drawing_file.h"
#include "dxf_file.h"
#include "proxy_reason.h"
#include "svgout_job.h"
#include "text_codec.h"
#include "transcript.h"
#include "undo_history.h"

namespace rvnshell {

namespace {

constexpr wchar_t kGroup[] = L"ACAD_MAIN";
constexpr int kSuccess = 0;
constexpr int kFailure = 1;
constexpr int kUsageError = 2;

void showLine(const std::wstring& text) {
    rvnhost::Transcript::instance().add(rvnhost::TranscriptKind::CommandLine, L"\n" + text);
}

void showError(const std::wstring& text) { rvnhost::Transcript::instance().add(rvnhost::TranscriptKind::Error, text); }

// Paths are kept absolute, so that a drawing with a folder in its name is one that has a file.
std::wstring absolutePath(const std::wstring& path) {
    std::error_code ignored;
    std::filesystem::path absolute = std::filesystem::absolute(rvnos::toUtf8(path), ignored);
    return rvnos::fromUtf8(absolute.lexically_normal().string());
}

bool hasFile(const AcApDocument& document) { return std::wstring(document.fileName()).find(L'/') != std::wstring::npos; }

// A file name typed at the prompt; the default on Return; empty when cancelled.
std::wstring askFileName(const std::wstring& prompt, const std::wstring& fallback) {
    ACHAR answer[ACED_MAX_INPUT + 1] = L"";
    int result = acedGetString(1, prompt.c_str(), answer);
    if (result == RTINPUTTRUNCATED) showError(L"The file name is too long.");
    if (result != RTNORM) return L"";
    return answer[0] != L'\0' ? answer : fallback;
}

bool hasExtension(std::string_view name, std::string_view extension) {
    if (name.size() <= extension.size()) return false;
    std::string ending(name.substr(name.size() - extension.size()));
    for (char& c : ending) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return ending == extension;
}

// A name ending with ".dxf" is saved as DXF, any other in the drawing format.
Acad::ErrorStatus saveDrawingAs(AcDbDatabase& database, const std::wstring& path, std::wstring& message) {
    if (hasExtension(rvnos::toUtf8(path), ".dxf")) return rvnhost::saveDxfFile(database, path, message);
    return rvnhost::saveDrawingFile(database, path, message);
}

bool saveDocument(AcApDocument& document, const std::wstring& path) {
    std::wstring message;
    if (saveDrawingAs(*document.database(), path, message) != Acad::eOk) {
        showError(message);
        return false;
    }
    document.setFileName(path);
    showLine(L"Saved \"" + path + L"\".");
    return true;
}

// True when nothing is at path, or the user answers Yes to replacing it (Return keeps it).
bool mayReplace(const std::wstring& path) {
    std::error_code ignored;
    if (!std::filesystem::exists(rvnos::toUtf8(path), ignored)) return true;
    acedInitGet(0, L"Yes No");
    ACHAR answer[8] = L"";
    const std::wstring question = L"\n\"" + path + L"\" already exists. Replace it? [Yes/No] <No>: ";
    return acedGetKword(question.c_str(), answer) == RTNORM && std::wstring(answer) == L"Yes";
}

void saveAsCommand() {
    AcApDocument* document = acDocManagerPtr()->curDocument();
    if (document == nullptr) return;
    std::wstring path = askFileName(L"\nSave drawing as <" + std::wstring(document->fileName()) + L">: ",
                                    document->fileName());
    if (path.empty()) return;
    const std::wstring absolute = absolutePath(path);
    if (mayReplace(absolute)) saveDocument(*document, absolute);
}

void saveCommand() {
    AcApDocument* document = acDocManagerPtr()->curDocument();
    if (document == nullptr) return;
    if (hasFile(*document)) {
        saveDocument(*document, document->fileName());
    } else {
        saveAsCommand();
    }
}

void openCommand() {
    std::wstring path = askFileName(L"\nDrawing to open: ", L"");
    if (!path.empty()) openDrawingDocument(path);
}

// The number of commands to undo (Return: the last one).
void undoCommand() {
    int count = 1;
    int result = acedGetInt(L"\nNumber of commands to undo <1>: ", &count);
    if (result == RTNONE) count = 1;
    else if (result != RTNORM) return;
    if (count < 1) {
        showError(L"UNDO takes a positive number of commands, not " + std::to_wstring(count) + L".");
        return;
    }
    AcDbDatabase* database = acdbHostApplicationServices()->workingDatabase();
    for (int undone = 0; undone < count; ++undone) {
        std::wstring name;
        Acad::ErrorStatus status = rvnhost::undoLastCommand(database, name);
        if (status == Acad::eNotApplicable) {
            showLine(L"Nothing to undo.");
            return;
        }
        if (status != Acad::eOk) {
            showError(L"The command cannot be undone while an object it changed is open.");
            return;
        }
        showLine(L"Undone: " + name);
    }
}

}  // namespace

void registerDrawingCommands() {
    const Adesk::Int32 flags = ACRX_CMD_MODAL | ACRX_CMD_NO_UNDO_MARKER;
    acedRegCmds->addCommand(kGroup, L"OPEN", L"OPEN", flags, openCommand);
    acedRegCmds->addCommand(kGroup, L"SAVE", L"SAVE", flags, saveCommand);
    acedRegCmds->addCommand(kGroup, L"SAVEAS", L"SAVEAS", flags, saveAsCommand);
    acedRegCmds->addCommand(kGroup, L"UNDO", L"UNDO", flags, undoCommand);
}

void removeDrawingCommands() { acedRegCmds->removeGroup(kGroup); }

bool openDrawingDocument(const std::wstring& path) {
    std::wstring message;
    std::wstring absolute = absolutePath(path);
    std::unique_ptr<AcDbDatabase> database = rvnhost::openDrawingFile(absolute, message);
    if (database == nullptr) {
        showError(message);
        return false;
    }
    const std::vector<std::wstring> proxies = rvnhost::proxyNotes(*database);
    acDocManagerPtr()->addDocument(std::move(database), absolute);
    showLine(L"Opened \"" + absolute + L"\".");
    for (const std::wstring& note : proxies) showLine(note);
    return true;
}

bool isDrawingFileName(const std::string& argument) { return hasExtension(argument, ".dwg"); }

bool openStartDrawing(const std::wstring& path) {
    AcApDocument* empty = acDocManagerPtr()->curDocument();
    if (!openDrawingDocument(path)) return false;
    if (empty != nullptr) acDocManagerPtr()->closeDocument(empty);
    return true;
}

std::optional<int> runHostJob(const std::vector<std::string>& arguments) {
    if (!arguments.empty() && arguments[0] == "svgout") return runSvgOutJob(arguments);
    if (arguments.empty() || arguments[0] != "dxfout") return std::nullopt;
    if (arguments.size() != 3) {
        showError(L"Usage: rivanta dxfout DRAWING OUT.dxf\nTry \"rivanta --help\".");
        return kUsageError;
    }
    std::wstring message;
    const std::wstring input = rvnos::fromUtf8(arguments[1]);
    const std::wstring output = rvnos::fromUtf8(arguments[2]);
    std::unique_ptr<AcDbDatabase> database = rvnhost::openDrawingFile(input, message);
    if (database == nullptr || rvnhost::saveDxfFile(*database, output, message, {&input, 1}) != Acad::eOk) {
        showError(message);
        return kFailure;
    }
    showLine(L"Wrote \"" + output + L"\".");
    return kSuccess;
}

}  // namespace rvnshell
