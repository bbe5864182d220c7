#include "analysis/jobs/network_file_kind.h"

#include "analysis/exchange/inp_reader.h"
#include "drawing_signature.h"
#include "network/file_handle.h"

#include <cstdio>
#include <string_view>

namespace {

constexpr std::size_t kBytesLookedAt = 256;

std::string_view withoutLeadingBlanks(std::string_view text) {
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    const std::size_t first = text.find_first_not_of(" \t\r\n");
    return first == std::string_view::npos ? std::string_view() : text.substr(first);
}

// A DXF file opens with group code 0 and SECTION, or with the binary DXF sentinel.
bool dxf(std::string_view head) {
    if (head.starts_with("AutoCAD Binary DXF")) return true;
    const std::string_view text = withoutLeadingBlanks(head);
    if (!text.starts_with('0')) return false;
    return withoutLeadingBlanks(text.substr(1)).starts_with("SECTION");
}

// EPANET files open with a section header ([TITLE], [JUNCTIONS] ...) or a comment.
bool inpText(std::string_view head) {
    const std::string_view text = withoutLeadingBlanks(head);
    return text.starts_with('[') || text.starts_with(';');
}

bool printableText(std::string_view head) {
    if (head.empty()) return false;
    for (const char c : head) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte < 0x20 && c != '\t' && c != '\r' && c != '\n') || byte == 0x7F) return false;
    }
    return true;
}

std::string firstBytes(const std::wstring& path) {
    TzRvnFile file = OpenFile(path, "rb");
    std::string head(kBytesLookedAt, '\0');
    head.resize(file ? std::fread(head.data(), 1, head.size(), file.get()) : 0);
    return head;
}

}  // namespace

TzRvnNetworkFileKind NetworkFileKind(const std::wstring& path) {
    if (rvnhost::isDrawingFile(path)) return TzRvnNetworkFileKind::drawing;
    const std::string head = firstBytes(path);
    if (dxf(head)) return TzRvnNetworkFileKind::dxf;
    if (inpText(head) || IsInpFile(path)) return TzRvnNetworkFileKind::inp;
    return printableText(head) ? TzRvnNetworkFileKind::text : TzRvnNetworkFileKind::portavia;
}
