#include "drawing_file_io.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "text_codec.h"

namespace rvnhost {

namespace {

std::wstring systemError(int error) { return rvnos::fromUtf8(std::strerror(error)); }

// Closes a file descriptor at the end of its scope.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

}  // namespace

bool readWholeFile(const std::wstring& path, std::vector<unsigned char>& bytes, std::wstring& reason) {
    std::string name = rvnos::toUtf8(path);
    FileDescriptor file(::open(name.c_str(), O_RDONLY));
    if (file.get() < 0) {
        reason = systemError(errno);
        return false;
    }
    struct stat info {};
    if (::fstat(file.get(), &info) != 0 || !S_ISREG(info.st_mode)) {
        reason = L"it is not a file";
        return false;
    }
    bytes.clear();
    unsigned char buffer[65536];
    for (;;) {
        ssize_t count = ::read(file.get(), buffer, sizeof buffer);
        if (count < 0 && errno == EINTR) continue;
        if (count < 0) {
            reason = systemError(errno);
            return false;
        }
        if (count == 0) return true;
        bytes.insert(bytes.end(), buffer, buffer + count);
    }
}

std::wstring fileFailure(const wchar_t* verb, const std::wstring& path, const std::wstring& reason) {
    return std::wstring(verb) + L" \"" + path + L"\": " + reason + L".";
}

}  // namespace rvnhost
