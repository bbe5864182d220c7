#include "output_file.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

#include "text_codec.h"

namespace rvnos {

namespace {

namespace fs = std::filesystem;

// As many links as the system itself follows before it gives up (ELOOP).
constexpr int kMostLinks = 40;

OutputWriteFunction writeFunction = ::write;

std::wstring systemError(int error) { return fromUtf8(std::strerror(error)); }

// The file path names once its symbolic links are followed; a link to a missing file names that
// file, which the write then creates.
bool followLinks(const std::string& path, std::string& target, std::wstring& reason) {
    fs::path at = path;
    for (int hop = 0; hop <= kMostLinks; ++hop) {
        struct stat info {};
        if (::lstat(at.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) {
            target = at.string();
            return true;
        }
        std::error_code error;
        const fs::path next = fs::read_symlink(at, error);
        if (error) {
            reason = fromUtf8(error.message());
            return false;
        }
        at = next.is_absolute() ? next : at.parent_path() / next;
    }
    reason = systemError(ELOOP);
    return false;
}

std::wstring notAFile(mode_t mode) {
    if (S_ISDIR(mode)) return L"it is a folder, not a file";
    if (S_ISCHR(mode) || S_ISBLK(mode)) return L"it is a device, not a file";
    if (S_ISFIFO(mode)) return L"it is a named pipe, not a file";
    if (S_ISSOCK(mode)) return L"it is a socket, not a file";
    return L"it is not a file";
}

bool isSameFile(const struct stat& target, const std::wstring& input) {
    struct stat info {};
    return ::stat(toUtf8(input).c_str(), &info) == 0 && info.st_dev == target.st_dev && info.st_ino == target.st_ino;
}

// The folder a target is written in: its entry is made there.
std::string folderOf(const std::string& target) {
    const std::string folder = fs::path(target).parent_path().string();
    return folder.empty() ? "." : folder;
}

// Why the target may not be written or replaced; empty when it may. A file or a folder without
// any write permission is refused even where the process could override it, as root can.
std::wstring refusal(const std::string& target, std::span<const std::wstring> inputs) {
    struct stat info {};
    const std::string folder = folderOf(target);
    if (::stat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode) && (info.st_mode & 0222) == 0) {
        return L"the folder \"" + fromUtf8(folder) + L"\" is read-only";
    }
    if (::stat(target.c_str(), &info) != 0) return {};
    if (!S_ISREG(info.st_mode)) return notAFile(info.st_mode);
    if ((info.st_mode & 0222) == 0) return L"the file is read-only";
    if (::access(target.c_str(), W_OK) != 0) return systemError(errno);
    for (const std::wstring& input : inputs) {
        if (isSameFile(info, input)) return L"it is the input file \"" + input + L"\"";
    }
    return {};
}

// The mode the replaced file had, or the one a new file gets under the process's umask.
mode_t modeFor(const std::string& target) {
    struct stat existing {};
    if (::stat(target.c_str(), &existing) == 0) return existing.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// The folder's entry for the renamed file reaches the disk too.
void syncFolder(const std::string& target) {
    const int descriptor = ::open(folderOf(target).c_str(), O_RDONLY | O_DIRECTORY);
    if (descriptor < 0) return;
    ::fsync(descriptor);
    ::close(descriptor);
}

}  // namespace

OutputFile::~OutputFile() { discard(); }

bool OutputFile::open(const std::wstring& path, std::wstring& reason, std::span<const std::wstring> inputs) {
    discard();
    error_ = 0;
    if (!followLinks(toUtf8(path), target_, reason)) return false;
    reason = refusal(target_, inputs);
    if (!reason.empty()) return false;
    temporary_ = target_ + ".tmp-XXXXXX";
    descriptor_ = ::mkstemp(temporary_.data());
    if (descriptor_ < 0 || ::fchmod(descriptor_, modeFor(target_)) != 0) {
        reason = systemError(errno);
        discard();
        return false;
    }
    return true;
}

bool OutputFile::write(std::string_view bytes) {
    if (descriptor_ < 0 && error_ == 0) error_ = EBADF;
    while (error_ == 0 && !bytes.empty()) {
        const ssize_t written = writeFunction(descriptor_, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) error_ = written < 0 ? errno : ENOSPC;
        else bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return error_ == 0;
}

bool OutputFile::commit(std::wstring& reason, Durability durability) {
    const bool toDisk = durability == Durability::disk;
    if (descriptor_ < 0 && error_ == 0) error_ = EBADF;
    if (error_ == 0 && toDisk && ::fsync(descriptor_) != 0) error_ = errno;
    const int descriptor = descriptor_;
    descriptor_ = -1;
    if (descriptor >= 0 && ::close(descriptor) != 0 && error_ == 0) error_ = errno;
    if (error_ == 0 && ::rename(temporary_.c_str(), target_.c_str()) != 0) error_ = errno;
    if (error_ != 0) {
        reason = systemError(error_);
        discard();
        return false;
    }
    temporary_.clear();
    if (toDisk) syncFolder(target_);
    return true;
}

void OutputFile::discard() {
    if (descriptor_ >= 0) ::close(descriptor_);
    descriptor_ = -1;
    if (!temporary_.empty()) ::unlink(temporary_.c_str());
    temporary_.clear();
}

bool replaceFile(const std::wstring& path, std::string_view bytes, std::wstring& reason,
                 std::span<const std::wstring> inputs) {
    OutputFile file;
    if (!file.open(path, reason, inputs)) return false;
    file.write(bytes);
    return file.commit(reason);
}

OutputWriteFunction setOutputWriteFunction(OutputWriteFunction function) {
    const OutputWriteFunction previous = writeFunction;
    writeFunction = function;
    return previous;
}

}  // namespace rvnos
