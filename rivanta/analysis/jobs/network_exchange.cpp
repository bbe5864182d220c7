#include "analysis/jobs/network_exchange.h"

#include "analysis/exchange/inp_texts.h"
#include "analysis/jobs/calc_texts.h"
#include "frame/translation.h"
#include "network/file_handle.h"
#include "output_file.h"
#include "text_codec.h"

#include <cstdio>

namespace {

std::wstring_view doubtText(TzRvnBranchValue value) {
    switch (value) {
        case TzRvnBranchValue::length: return rvntext::kLengthNotPositive;
        case TzRvnBranchValue::roughness: return rvntext::kRoughnessNotPositive;
        case TzRvnBranchValue::diameter: return rvntext::kDiameterNotPositive;
    }
    return {};
}

TzRvnImportResult portaviaResult(const TzRvnPortaviaRead& read, std::wstring_view fileName) {
    switch (read.status) {
        case TzRvnPortaviaStatus::imported: return {TzRvnImportStatus::imported, {}};
        case TzRvnPortaviaStatus::shortHeader:
            return {TzRvnImportStatus::truncated,
                    FormatTranslated(rvntext::kPortaviaShortHeader, {fileName, read.size})};
        case TzRvnPortaviaStatus::shortRecords:
            return {TzRvnImportStatus::truncated,
                    FormatTranslated(rvntext::kPortaviaShortRecords,
                                     {fileName, read.size, read.nodes, read.branches, read.tanks})};
        case TzRvnPortaviaStatus::abandoned:
            return {TzRvnImportStatus::abandoned, FormatTranslated(rvntext::kPortaviaAbandoned, {fileName})};
    }
    return {};
}

// Why bytes are no input file, in words.
std::wstring notInputFileReason(const TzRvnInpFileRefusal& refusal) {
    switch (refusal.problem) {
        case TzRvnInpFileProblem::empty: return TranslateText(rvntext::kInpEmptyFile);
        case TzRvnInpFileProblem::utf16: return TranslateText(rvntext::kInpUtf16File);
        case TzRvnInpFileProblem::notText: break;
    }
    char code[8];
    std::snprintf(code, sizeof code, "0x%02X", refusal.byte);
    const std::wstring byte(code, code + std::char_traits<char>::length(code));
    return FormatTranslated(rvntext::kInpNotTextFile, {std::wstring_view(byte), refusal.position});
}

// The section and the reason as a message shows them: control characters written as \xNN.
std::wstring refusedMessage(const TzRvnInpRefusal& refusal, std::wstring_view fileName) {
    const std::wstring section = rvnos::escapeControlCharacters(refusal.section);
    const std::wstring reason =
        rvnos::escapeControlCharacters(FormatTranslated(refusal.reason, {std::wstring_view(refusal.argument)}));
    return FormatTranslated(rvntext::kInpRefused,
                            {fileName, std::wstring_view(section), refusal.line, std::wstring_view(reason)});
}

TzRvnImportResult inpResult(const TzRvnInpRead& read, std::wstring_view fileName) {
    switch (read.status) {
        case TzRvnInpStatus::imported: return {TzRvnImportStatus::imported, {}};
        case TzRvnInpStatus::notInputFile: {
            const std::wstring reason = notInputFileReason(*read.notInputFile);
            return {TzRvnImportStatus::refused,
                    FormatTranslated(rvntext::kInpNotAnInputFile, {fileName, std::wstring_view(reason)})};
        }
        case TzRvnInpStatus::refused: return {TzRvnImportStatus::refused, refusedMessage(*read.refusal, fileName)};
    }
    return {};
}

}  // namespace

std::wstring ImportQuestionText(const TzRvnImportDoubt& doubt) {
    return FormatTranslated(doubtText(doubt.value), {doubt.branch}) + TranslateText(rvntext::kContinueImport);
}

TzRvnImportResult ReadPortaviaBytes(std::string_view bytes, std::wstring_view fileName,
                                    const std::vector<CMateriale>& materials, const TzRvnImportQuestion& ask,
                                    TzRvnNetworkData& network) {
    const auto askInWords = [&](const TzRvnImportDoubt& doubt) { return ask(ImportQuestionText(doubt)); };
    return portaviaResult(ParsePortaviaBytes(bytes, materials, askInWords, network), fileName);
}

TzRvnImportResult ImportPortaviaFile(const std::wstring& path, const std::vector<CMateriale>& materials,
                                     const TzRvnImportQuestion& ask, TzRvnNetworkData& network) {
    std::string bytes;
    if (!ReadWholeFile(path, bytes)) {
        return {TzRvnImportStatus::notOpened, FormatTranslated(rvntext::kPortaviaNotOpened, {std::wstring_view(path)})};
    }
    return ReadPortaviaBytes(bytes, path, materials, ask, network);
}

TzRvnImportResult ReadInpText(std::string_view utf8, std::wstring_view fileName, const TzRvnSettings& installed,
                              TzRvnNetworkData& network) {
    return inpResult(ParseInpText(utf8, installed, network), fileName);
}

TzRvnImportResult ImportInpFile(const std::wstring& path, const TzRvnSettings& installed, TzRvnNetworkData& network) {
    std::string bytes;
    if (!ReadWholeFile(path, bytes)) {
        return {TzRvnImportStatus::notOpened, FormatTranslated(rvntext::kInpNotOpened, {std::wstring_view(path)})};
    }
    return ReadInpText(bytes, path, installed, network);
}

std::wstring InpExportReason(const TzRvnInpExportRefusal& refusal) {
    const std::wstring_view name = refusal.name;
    switch (refusal.problem) {
        case TzRvnInpExportProblem::badNodeName:
            return FormatTranslated(rvntext::kInpBadNodeName, {refusal.element, name});
        case TzRvnInpExportProblem::sameNodeName:
            return FormatTranslated(rvntext::kInpSameNodeName, {refusal.element, refusal.other, name});
        case TzRvnInpExportProblem::nodeValue: return FormatTranslated(rvntext::kInpNodeValue, {name});
        case TzRvnInpExportProblem::tankNodeMissing:
            return FormatTranslated(rvntext::kInpTankNodeMissing, {refusal.element, name});
        case TzRvnInpExportProblem::twoTanks: return FormatTranslated(rvntext::kInpTwoTanks, {name});
        case TzRvnInpExportProblem::tankDemand: return FormatTranslated(rvntext::kInpTankDemand, {name});
        case TzRvnInpExportProblem::branchNodeMissing:
            return FormatTranslated(rvntext::kInpBranchNodeMissing, {refusal.element, name});
        case TzRvnInpExportProblem::branchSameEnds:
            return FormatTranslated(rvntext::kInpBranchSameEnds, {refusal.element, name});
        case TzRvnInpExportProblem::branchValue: return FormatTranslated(rvntext::kInpBranchValue, {refusal.element});
        case TzRvnInpExportProblem::settingsValue: return TranslateText(rvntext::kInpSettingsValue);
    }
    return {};
}

std::wstring ExportInpFile(const TzRvnNetworkData& network, std::wstring_view title, const std::wstring& path,
                           std::span<const std::wstring> inputs) {
    std::string text;
    if (const std::optional<TzRvnInpExportRefusal> refusal = InpFileText(network, title, text)) {
        const std::wstring reason = InpExportReason(*refusal);
        return FormatTranslated(rvntext::kInpNotExported, {std::wstring_view(path), std::wstring_view(reason)});
    }
    std::wstring reason;
    if (!rvnos::replaceFile(path, text, reason, inputs)) {
        return FormatTranslated(rvntext::kInpNotWritten, {std::wstring_view(path), std::wstring_view(reason)});
    }
    return {};
}
