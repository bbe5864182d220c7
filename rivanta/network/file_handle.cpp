#include "network/file_handle.h"

#include "text_codec.h"

TzRvnFile OpenFile(const std::wstring& path, const char* mode) {
    return TzRvnFile(std::fopen(rvnos::toUtf8(path).c_str(), mode));
}

bool ReadAllBytes(std::FILE* file, std::string& bytes) {
    char chunk[4096];
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
