#include "drawing_signature.h"

#include "drawing_format.h"
#include "text_codec.h"

#include <algorithm>
#include <fstream>

namespace rvnhost {

bool isDrawingFile(const std::wstring& path) {
    std::ifstream file(rvnos::toUtf8(path), std::ios::binary);
    std::array<char, drawing_format::kMagic.size()> head{};
    if (!file.read(head.data(), head.size())) return false;
    return std::equal(head.begin(), head.end(), drawing_format::kMagic.begin(),
                      [](char c, unsigned char m) { return static_cast<unsigned char>(c) == m; });
}

}  // namespace rvnhost
