#include "network/file_handle.h"

#include "network/unicode_text.h"

#include <algorithm>

#include <sys/stat.h>

TzRvnFile OpenFile(const std::wstring& path, const char* mode) {
    return TzRvnFile(std::fopen(rvnutf::toUtf8(path).c_str(), mode));
}

namespace {

// The room read into when the size is not known (a pipe), doubled as it fills.
constexpr std::size_t kLeastRoom = 4096;

// The bytes from the file's position to its end when it is a regular file, else 0.
std::size_t bytesLeft(std::FILE* file) {
    struct stat status {};
    const long at = std::ftell(file);
    if (at < 0 || fstat(fileno(file), &status) != 0 || !S_ISREG(status.st_mode) || status.st_size <= at) return 0;
    return static_cast<std::size_t>(status.st_size - at);
}

}  // namespace

// Reads straight into bytes, in one piece when the size is known: one byte more than the size
// meets the end of the file in the same read.
bool ReadAllBytes(std::FILE* file, std::string& bytes) {
    std::size_t got = bytes.size();
    std::size_t room = std::max(bytesLeft(file) + 1, kLeastRoom);
    for (;;) {
        bytes.resize(got + room);
        const std::size_t read = std::fread(bytes.data() + got, 1, room, file);
        got += read;
        if (read < room) break;
        room = bytes.size();
    }
    bytes.resize(got);
    return std::ferror(file) == 0;
}

bool ReadWholeFile(const std::wstring& path, std::string& bytes) {
    TzRvnFile file = OpenFile(path, "rb");
    return file && ReadAllBytes(file.get(), bytes);
}
