#include "file_search.h"

#include "last_error.h"
#include "text_codec.h"

#include <algorithm>
#include <cwchar>
#include <cwctype>
#include <memory>
#include <string>
#include <vector>

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

namespace rvnos {

bool matchesWildcard(std::wstring_view pattern, std::wstring_view name) {
    // Greedy matching with a single backtrack point: the last * seen.
    std::size_t p = 0, n = 0, starAt = std::wstring_view::npos, matchedAtStar = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == L'*') {
            starAt = p++;
            matchedAtStar = n;
        } else if (p < pattern.size() &&
                   (pattern[p] == L'?' || std::towlower(pattern[p]) == std::towlower(name[n]))) {
            ++p;
            ++n;
        } else if (starAt != std::wstring_view::npos) {
            p = starAt + 1;
            n = ++matchedAtStar;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == L'*') ++p;
    return p == pattern.size();
}

}  // namespace rvnos

namespace {

struct FoundFile {
    std::wstring name;
    struct stat info;
};

struct FileSearch {
    std::string folder;  // UTF-8, ending with '/'
    std::vector<FoundFile> matches;
    std::size_t next = 0;
};

// Seconds since 1970 as 100-nanosecond intervals since 1601, the host's file time.
FILETIME toFileTime(const struct timespec& time) {
    constexpr std::uint64_t kSecondsFrom1601To1970 = 11644473600ULL;
    const std::uint64_t ticks = (static_cast<std::uint64_t>(time.tv_sec) + kSecondsFrom1601To1970) * 10000000ULL +
                                static_cast<std::uint64_t>(time.tv_nsec) / 100;
    return {static_cast<DWORD>(ticks & 0xFFFFFFFFu), static_cast<DWORD>(ticks >> 32)};
}

DWORD attributesOf(const FoundFile& file, const std::string& path) {
    DWORD attributes = 0;
    if (S_ISDIR(file.info.st_mode)) attributes |= FILE_ATTRIBUTE_DIRECTORY;
    if (file.name.size() > 1 && file.name[0] == L'.' && file.name != L"..") attributes |= FILE_ATTRIBUTE_HIDDEN;
    if (access(path.c_str(), W_OK) != 0) attributes |= FILE_ATTRIBUTE_READONLY;
    return attributes == 0 ? FILE_ATTRIBUTE_NORMAL : attributes;
}

void fill(const FoundFile& file, const std::string& folder, WIN32_FIND_DATAW* findData) {
    *findData = WIN32_FIND_DATAW{};
    findData->dwFileAttributes = attributesOf(file, folder + rvnos::toUtf8(file.name));
    findData->ftCreationTime = toFileTime(file.info.st_ctim);
    findData->ftLastAccessTime = toFileTime(file.info.st_atim);
    findData->ftLastWriteTime = toFileTime(file.info.st_mtim);
    const auto size = static_cast<std::uint64_t>(file.info.st_size);
    findData->nFileSizeHigh = static_cast<DWORD>(size >> 32);
    findData->nFileSizeLow = static_cast<DWORD>(size & 0xFFFFFFFFu);
    std::wmemcpy(findData->cFileName, file.name.c_str(), file.name.size() + 1);
}

struct SearchFolder {
    std::string folder;  // UTF-8, ending with '/'
    std::wstring namePattern;
};

SearchFolder splitPattern(std::wstring_view pattern) {
    const std::size_t slash = pattern.rfind(L'/');
    if (slash == std::wstring_view::npos) return {"./", std::wstring(pattern)};
    return {rvnos::toUtf8(pattern.substr(0, slash + 1)), std::wstring(pattern.substr(slash + 1))};
}

bool collectMatches(const SearchFolder& search, std::vector<FoundFile>& matches) {
    DIR* folder = opendir(search.folder.c_str());
    if (!folder) return false;
    while (const dirent* entry = readdir(folder)) {
        FoundFile file{rvnos::fromUtf8(entry->d_name), {}};
        if (file.name.size() >= MAX_PATH || !rvnos::matchesWildcard(search.namePattern, file.name)) continue;
        if (stat((search.folder + entry->d_name).c_str(), &file.info) != 0) continue;
        matches.push_back(std::move(file));
    }
    closedir(folder);
    std::sort(matches.begin(), matches.end(),
              [](const FoundFile& a, const FoundFile& b) { return a.name < b.name; });
    return true;
}

}  // namespace

HANDLE FindFirstFileW(LPCWSTR pattern, WIN32_FIND_DATAW* findData) {
    if (pattern == nullptr || findData == nullptr || *pattern == L'\0') {
        SetLastError(ERROR_INVALID_PARAMETER);
        return INVALID_HANDLE_VALUE;
    }
    auto search = std::make_unique<FileSearch>();
    const SearchFolder where = splitPattern(pattern);
    search->folder = where.folder;
    if (!collectMatches(where, search->matches)) {
        SetLastError(ERROR_PATH_NOT_FOUND);
        return INVALID_HANDLE_VALUE;
    }
    if (search->matches.empty()) {
        SetLastError(ERROR_FILE_NOT_FOUND);
        return INVALID_HANDLE_VALUE;
    }
    fill(search->matches[0], search->folder, findData);
    search->next = 1;
    return search.release();
}

BOOL FindNextFileW(HANDLE handle, WIN32_FIND_DATAW* findData) {
    if (handle == nullptr || handle == INVALID_HANDLE_VALUE || findData == nullptr) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    auto* search = static_cast<FileSearch*>(handle);
    if (search->next >= search->matches.size()) {
        SetLastError(ERROR_NO_MORE_FILES);
        return FALSE;
    }
    fill(search->matches[search->next++], search->folder, findData);
    return TRUE;
}

BOOL FindClose(HANDLE handle) {
    if (handle == nullptr || handle == INVALID_HANDLE_VALUE) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    delete static_cast<FileSearch*>(handle);
    return TRUE;
}
