#include "dxf_sections.h"

namespace rvnhost {

namespace {

bool is(const DxfGroup& group, int code, std::string_view value) { return group.code == code && group.value == value; }

std::wstring atLine(std::size_t line, const wchar_t* text) { return L"line " + std::to_wstring(line) + L": " + text; }

// The objects of a section from groups[at] to its ENDSEC, which at is left on.
std::vector<DxfChunk> chunksOf(const std::vector<DxfGroup>& groups, std::size_t& at) {
    std::vector<DxfChunk> chunks;
    while (at < groups.size() && !is(groups[at], 0, "ENDSEC")) {
        std::size_t end = at + 1;
        while (end < groups.size() && groups[end].code != 0) ++end;
        chunks.push_back(DxfChunk(groups).subspan(at, end - at));
        at = end;
    }
    return chunks;
}

}  // namespace

bool splitDxfSections(const std::vector<DxfGroup>& groups, DxfSections& sections, std::wstring& message) {
    std::size_t at = 0;
    while (at < groups.size() && !is(groups[at], 0, "EOF")) {
        if (!is(groups[at], 0, "SECTION") || at + 1 >= groups.size() || groups[at + 1].code != 2) {
            message = atLine(groups[at].line, L"a SECTION was expected");
            return false;
        }
        std::string_view name = groups[at + 1].value;
        at += 2;
        std::size_t start = at;
        std::vector<DxfChunk> chunks = chunksOf(groups, at);
        if (at >= groups.size()) break;
        if (name == "HEADER") sections.header = DxfChunk(groups).subspan(start, at - start);
        if (name == "CLASSES") sections.classes = std::move(chunks);
        if (name == "TABLES") sections.tables = std::move(chunks);
        if (name == "BLOCKS") sections.blocks = std::move(chunks);
        if (name == "ENTITIES") sections.entities = std::move(chunks);
        if (name == "OBJECTS") sections.objects = std::move(chunks);
        ++at;
    }
    if (at >= groups.size()) {
        message = L"the file ends before its EOF (it is truncated)";
        return false;
    }
    return true;
}

const DxfGroup* findGroup(DxfChunk chunk, int code) {
    for (std::size_t i = 1; i < chunk.size(); ++i) {
        if (chunk[i].code == code) return &chunk[i];
    }
    return nullptr;
}

}  // namespace rvnhost
