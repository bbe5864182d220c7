#include "analysis/jobs/calc_import.h"

#include "analysis/jobs/calc_job_texts.h"
#include "analysis/jobs/calc_program_folder.h"
#include "analysis/jobs/calc_texts.h"
#include "analysis/jobs/network_file_kind.h"
#include "frame/translation.h"
#include "input_source.h"
#include "message_box.h"
#include "netobj/network_dictionary.h"
#include "text_codec.h"

namespace {

std::wstring_view firstLine(std::wstring_view text) { return text.substr(0, text.find(L'\n')); }

// The .inp file, with the values of the settings file for what it does not give.
std::wstring importInpFile(const std::wstring& path, const std::wstring& folder, TzRvnNetworkData& network) {
    TzRvnSettings installed;
    const std::wstring message = LoadJobSettings(folder, installed);
    return message.empty() ? ImportInpFile(path, installed, network).message : message;
}

}  // namespace

TzRvnImportAnswers::TzRvnImportAnswers(TzRvnImportAnswer answer, bool onTerminal, std::ostream& err)
    : answer_(answer), onTerminal_(onTerminal), err_(err) {}

bool TzRvnImportAnswers::operator()(const std::wstring& question) {
    if (answer_ != TzRvnImportAnswer::ask) {
        const bool yes = answer_ == TzRvnImportAnswer::yes;
        tell(question, yes ? rvntext::kCalcAnsweredYes : rvntext::kCalcAnsweredNo);
        return yes;
    }
    if (onTerminal_) return askOnTerminal(question);
    tell(question, rvntext::kCalcRefusedUnasked);
    refusedUnasked_ = true;
    return false;
}

// The question (a text of the plug-in) and the job's answer each on a line of their own, so that
// no line joins two languages.
void TzRvnImportAnswers::tell(const std::wstring& question, std::wstring_view answer) const {
    err_ << rvnos::toUtf8(firstLine(question)) << '\n' << rvnos::toUtf8(TranslateText(answer)) << '\n';
}

// The box reads its answer from the terminal for as long as it is shown.
bool TzRvnImportAnswers::askOnTerminal(const std::wstring& question) const {
    auto previous = rvnhost::setCurrentInput(std::make_unique<rvnhost::TerminalInput>());
    const int answer =
        MessageBoxW(nullptr, question.c_str(), TranslateText(rvntext::kRunTitle).c_str(), MB_YESNO | MB_ICONQUESTION);
    rvnhost::setCurrentInput(std::move(previous));
    return answer == IDYES;
}

std::wstring ImportNetworkFile(const std::wstring& path, const TzRvnImportQuestion& ask, TzRvnNetworkData& network) {
    std::wstring folder;
    std::wstring message = JobProgramFolder(folder);
    if (!message.empty()) return message;
    switch (NetworkFileKind(path)) {
        case TzRvnNetworkFileKind::inp: return importInpFile(path, folder, network);
        case TzRvnNetworkFileKind::dxf:
            return FormatTranslated(rvntext::kCalcDxfFile, {std::wstring_view(path)});
        case TzRvnNetworkFileKind::text: return FormatTranslated(rvntext::kCalcUnknownText, {std::wstring_view(path)});
        case TzRvnNetworkFileKind::drawing:
        case TzRvnNetworkFileKind::portavia: break;
    }
    return ImportPortaviaNetwork(path, folder, ask, network).message;
}

TzRvnImportResult ImportPortaviaNetwork(const std::wstring& path, const std::wstring& folder,
                                        const TzRvnImportQuestion& ask, TzRvnNetworkData& network) {
    const std::wstring message = LoadJobMaterials(folder, MaterialList());
    if (!message.empty()) return {TzRvnImportStatus::notOpened, message};
    return ImportPortaviaFile(path, MaterialList(), ask, network);
}

std::wstring AddImportedNetwork(AcDbDatabase* database, const std::wstring& name, TzRvnNetworkData network,
                                const std::wstring& path, AcDbObjectId& id) {
    if (!IsNetworkName(name)) return FormatTranslated(rvntext::kNotANetworkName, {std::wstring_view(path), std::wstring_view(name)});
    const Acad::ErrorStatus status = AddNetwork(database, name, std::make_unique<TzRvnNetwork>(std::move(network)), id);
    if (status != Acad::eOk) return FormatTranslated(rvntext::kNetworkNotAdded, {std::wstring_view(name), int(status)});
    return {};
}
