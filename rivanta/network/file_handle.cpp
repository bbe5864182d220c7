#include "network/file_handle.h"

#include "text_codec.h"

TzRvnFile OpenFile(const std::wstring& path, const char* mode) {
    return TzRvnFile(std::fopen(rvnos::toUtf8(path).c_str(), mode));
}

namespace {

// Reserves room for the rest of a seekable file, so that a large file is read without the text
// being moved as it grows. False only when the position could not be put back where it was.
bool reserveRest(std::FILE* file, std::string& bytes) {
    const long start = std::ftell(file);
    if (start < 0 || std::fseek(file, 0, SEEK_END) != 0) return true;
    const long end = std::ftell(file);
    if (std::fseek(file, start, SEEK_SET) != 0) return false;
    if (end > start) bytes.reserve(bytes.size() + std::size_t(end - start));
    return true;
}

}  // namespace

bool ReadAllBytes(std::FILE* file, std::string& bytes) {
    if (!reserveRest(file, bytes)) return false;
    char chunk[65536];
    std::size_t got = 0;
    while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0) bytes.append(chunk, got);
    return std::ferror(file) == 0;
}

bool WriteAllBytes(std::FILE* file, std::string_view bytes) {
    return std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
}

bool CloseFile(TzRvnFile& file) {
    std::FILE* raw = file.release();
    return raw != nullptr && std::fclose(raw) == 0;
}
