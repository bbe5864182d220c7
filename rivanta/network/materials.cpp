#include "network/materials.h"

#include "network/file_handle.h"
#include "network/number_text.h"
#include "network/text_lines.h"
#include "network/unicode_text.h"

namespace {

constexpr std::size_t kLineBuffer = 128;
constexpr int kDecimals = 10;

}  // namespace

std::vector<CMateriale>& MaterialList() {
    static std::vector<CMateriale> list;
    return list;
}

void ReadMaterialsText(std::string_view utf8, std::vector<CMateriale>& list) {
    const std::vector<std::wstring> lines = SplitInputLines(utf8, kLineBuffer);
    list.clear();
    for (std::size_t k = 0; k + 1 < lines.size(); k += 2) {
        list.push_back({std::wstring(StripLineEnd(lines[k])), LeadingDouble(StripLineEnd(lines[k + 1]))});
    }
}

std::optional<TzRvnLineFault> CheckMaterialsText(std::string_view utf8) {
    const std::vector<std::wstring> lines = SplitInputLines(utf8, kLineBuffer);
    for (std::size_t k = 0; k < lines.size(); k += 2) {
        if (auto fault = CheckTextLine(lines, k, kLineBuffer)) return fault;
        if (auto fault = CheckNumberLine(lines, k + 1, kLineBuffer, TzRvnNumberKind::real)) return fault;
    }
    return std::nullopt;
}

std::string MaterialsFileText(const std::vector<CMateriale>& list) {
    std::string text;
    for (const CMateriale& material : list) {
        text += rvnutf::toUtf8(material.name) + "\n" + FixedText(material.roughness, kDecimals) + "\n";
    }
    return text;
}

bool IsWritableMaterial(const CMateriale& material) {
    const std::string text = MaterialsFileText({material});
    std::vector<CMateriale> read;
    ReadMaterialsText(text, read);
    return !CheckMaterialsText(text) && read.size() == 1 && read[0].name == material.name;
}

int LoadMaterials(const std::wstring& path, std::vector<CMateriale>& list) {
    TzRvnFile file = OpenFile(path, "r+");
    if (!file) return 0;
    std::string bytes;
    if (!ReadAllBytes(file.get(), bytes)) return 0;
    ReadMaterialsText(bytes, list);
    return 1;
}

TzRvnCheckedFile ReadCheckedMaterials(const std::wstring& path, std::vector<CMateriale>& materials) {
    std::string bytes;
    if (!ReadWholeFile(path, bytes)) return {TzRvnCheckedFileStatus::notRead, {}};
    if (std::optional<TzRvnLineFault> fault = CheckMaterialsText(bytes)) {
        return {TzRvnCheckedFileStatus::malformed, std::move(*fault)};
    }
    std::vector<CMateriale> read;
    ReadMaterialsText(bytes, read);
    if (read.empty()) return {TzRvnCheckedFileStatus::noMaterial, {}};
    materials = std::move(read);
    return {};
}
