#include "drawing_file_io.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
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
    // Closes now; false (errno set) when the close reports an error.
    bool close() {
        int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

bool writeAll(int fd, std::span<const unsigned char> bytes) {
    while (!bytes.empty()) {
        ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        bytes = bytes.subspan(static_cast<std::size_t>(written));
    }
    return true;
}

// The mode the replaced file had, or the one a new file gets under the process's umask.
mode_t modeFor(const std::string& path) {
    struct stat existing {};
    if (::stat(path.c_str(), &existing) == 0) return existing.st_mode & 07777;
    mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// The folder's entry for the renamed file reaches the disk too.
void syncFolder(const std::string& path) {
    std::string folder = std::filesystem::path(path).parent_path().string();
    int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

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

bool replaceFile(const std::wstring& path, std::span<const unsigned char> bytes, std::wstring& reason) {
    std::string target = rvnos::toUtf8(path);
    std::string temporary = target + ".tmp-XXXXXX";
    FileDescriptor file(::mkstemp(temporary.data()));
    if (file.get() < 0) {
        reason = systemError(errno);
        return false;
    }
    bool written = ::fchmod(file.get(), modeFor(target)) == 0 && writeAll(file.get(), bytes) &&
                   ::fsync(file.get()) == 0 && file.close() && ::rename(temporary.c_str(), target.c_str()) == 0;
    if (!written) {
        reason = systemError(errno);
        ::unlink(temporary.c_str());
        return false;
    }
    syncFolder(target);
    return true;
}

std::wstring fileFailure(const wchar_t* verb, const std::wstring& path, const std::wstring& reason) {
    return std::wstring(verb) + L" \"" + path + L"\": " + reason + L".";
}

}  // namespace rvnhost
