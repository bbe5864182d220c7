// The operating system's calls the plug-in makes: the temporary folder and modules found in the
// process; the text codec between UTF-8, UTF-16 and wide strings; and output files: written through
// links to their target, whole or not at all, and never over something that is not a writable
// regular file (never over an input: tests/calc).
#include "module_loader.h"
#include "output_file.h"
#include "temp_path.h"
#include "test_files.h"
#include "text_codec.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace {

const std::wstring kPlatformLibrary = rvnos::fromUtf8(RVN_BIN_DIR) + L"/librvnplatform.so";

// Sets TMPDIR, or unsets it for null.
void setTmpdir(const char* value) {
    if (value) setenv("TMPDIR", value, 1); else unsetenv("TMPDIR");
}

std::wstring tempPathWithBuffer(DWORD length) {
    std::wstring buffer(length, L'#');
    const DWORD written = GetTempPathW(length, buffer.data());
    if (written >= length) {
        EXPECT_EQ(std::wstring(length, L'#'), buffer) << "a path that does not fit leaves it untouched";
    }
    return written != 0 && written < length ? buffer.substr(0, written) : L"<" + std::to_wstring(written) + L">";
}

// A folder longer than a path gives 0; one that does not fit the buffer leaves it untouched. The
// test's own TMPDIR is put back at its end.
TEST(OsTempPath, FollowsTmpdirEndsWithSeparatorAndHonoursTheBufferSize) {
    const char* own = std::getenv("TMPDIR");
    const std::optional<std::string> saved = own ? std::optional<std::string>(own) : std::nullopt;
    const std::string longFolder = "/" + std::string(300, 'd');
    const std::pair<const char*, const wchar_t*> cases[] = {{"/var/tmp/rivanta", L"/var/tmp/rivanta/"},
                                                            {"/var/tmp/", L"/var/tmp/"}, {"", L"/tmp/"},
                                                            {nullptr, L"/tmp/"}, {longFolder.c_str(), L"<0>"}};
    for (const auto& [tmpdir, expected] : cases) {
        setTmpdir(tmpdir);
        EXPECT_EQ(tempPathWithBuffer(MAX_PATH + 1), expected) << (tmpdir ? tmpdir : "(unset)");
    }
    setTmpdir("/tmp");
    // "/tmp/" needs 6 units with its terminator.
    EXPECT_EQ(tempPathWithBuffer(5), L"<6>");
    EXPECT_EQ(GetTempPathW(0, nullptr), 6u);
    EXPECT_EQ(tempPathWithBuffer(6), L"/tmp/");
    setTmpdir(saved ? saved->c_str() : nullptr);
}

// Loading the plug-in module and the translator, and their failures, are the module's and the
// translator's tests (tests/frame, tests/shell); here a module found by name, path or an address within it.
TEST(OsModules, ALibraryInTheProcessIsFoundByNameOrPath) {
    HMODULE byName = GetModuleHandleW(L"LIBRVNPLATFORM.SO");
    ASSERT_NE(byName, nullptr);
    EXPECT_EQ(GetModuleHandleW(kPlatformLibrary.c_str()), byName);
    EXPECT_EQ(GetModuleHandleW(L"not-loaded.dll"), nullptr);
    HMODULE fromAddress = nullptr;
    ASSERT_TRUE(GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                                   reinterpret_cast<LPCWSTR>(&GetTempPathW), &fromAddress));
    EXPECT_EQ(fromAddress, byName);
}

// Text round-trips through UTF-8 in all planes; malformed bytes become replacement characters, or
// are told and shown escaped (escaping in use: tests/shell, script lines and file names).
TEST(TextCodec, Utf8RoundTripsAllPlanesAndMalformedBytesAreReplacedOrShownEscaped) {
    std::wstring text = L"Portata l/s \u00e8 \u20ac \U0001F4A7";
    EXPECT_EQ(rvnos::fromUtf8(rvnos::toUtf8(text)), text);
    EXPECT_EQ(rvnos::toUtf8(L"\u00e8"), "\xC3\xA8");
    EXPECT_EQ(rvnos::fromUtf8("a\xFF" "b"), L"a\uFFFDb");
    EXPECT_EQ(rvnos::fromUtf8("\xC3"), L"\uFFFD");            // truncated sequence
    EXPECT_EQ(rvnos::fromUtf8("\xC0\xAF"), L"\uFFFD\uFFFD");  // overlong form
    // A replacement character written out reads back as one, so that decoding twice changes nothing.
    EXPECT_EQ(rvnos::fromUtf8(rvnos::toUtf8(rvnos::fromUtf8("x\xCC\xDFy"))), L"x\uFFFD\uFFFDy");
    EXPECT_TRUE(rvnos::isUtf8("rete \xC3\xA8 \xF0\x9F\x92\xA7"));
    EXPECT_TRUE(rvnos::isUtf8(""));
    for (const char* bad : {"a\xFF", "\xC3", "\xC0\xAF", "\xED\xA0\x80", "\xE2\x82"}) EXPECT_FALSE(rvnos::isUtf8(bad)) << bad;
    EXPECT_EQ(rvnos::fromUtf8Escaped("\xE2\x82"), L"\\xE2\\x82");
    // UTF-16 itself is the drawing filers' (tests/platform/filers_test.cpp, tests/drawing); a length here.
    EXPECT_EQ(rvnos::utf16Length(L"A\U0001F4A7"), 3u);
}

namespace fs = std::filesystem;

std::wstring wide(const fs::path& path) { return rvnos::fromUtf8(path.string()); }

// What replaceFile says about path; empty when it wrote bytes there.
std::string replaced(const fs::path& path, const std::string& bytes) {
    std::wstring reason;
    return rvnos::replaceFile(wide(path), bytes, reason) ? "" : rvnos::toUtf8(reason);
}

// The files of a folder, to see that no temporary file is left behind.
std::size_t entriesIn(const fs::path& folder) {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

// A disk with room for kRoom more bytes of output while the test lives.
class FullDisk {
public:
    static constexpr std::size_t kRoom = 10;
    FullDisk() : previous_(rvnos::setOutputWriteFunction(&writeWithinRoom)) { room_ = kRoom; }
    ~FullDisk() { rvnos::setOutputWriteFunction(previous_); }

private:
    static ssize_t writeWithinRoom(int descriptor, const void* bytes, std::size_t count) {
        if (room_ == 0) {
            errno = ENOSPC;
            return -1;
        }
        const std::size_t taken = std::min(count, room_);
        room_ -= taken;
        return ::write(descriptor, bytes, taken);
    }

    static inline std::size_t room_ = 0;
    rvnos::OutputWriteFunction previous_;
};

TEST(OutputFile, WritesThroughLinksToTheirTargetWhichKeepsItsMode) {
    rvntest::ScratchDir scratch;
    const fs::path target = scratch.write("dati/rete.dxf", "old");
    fs::permissions(target, fs::perms(0640));
    fs::create_symlink("dati/rete.dxf", scratch / "link");
    fs::create_symlink(scratch / "link", scratch / "chain");
    EXPECT_EQ("", replaced(scratch / "chain", "new"));
    EXPECT_TRUE(fs::is_symlink(scratch / "chain"));
    EXPECT_TRUE(fs::is_symlink(scratch / "link"));
    EXPECT_EQ("new", rvntest::readBytes(target));
    EXPECT_EQ(fs::perms(0640), fs::status(target).permissions() & fs::perms::mask);
    EXPECT_EQ(1u, entriesIn(target.parent_path()));

    fs::create_symlink("dati/nuovo.dxf", scratch / "dangling");
    EXPECT_EQ("", replaced(scratch / "dangling", "made"));
    EXPECT_EQ("made", rvntest::readBytes(scratch / "dati" / "nuovo.dxf"));

    fs::create_symlink("loop", scratch / "loop");
    EXPECT_NE("", replaced(scratch / "loop", "x"));
}

TEST(OutputFile, RefusesWhatIsNotAWritableRegularFile) {
    rvntest::ScratchDir scratch;
    const fs::path pipe = scratch / "pipe";
    ASSERT_EQ(0, ::mkfifo(pipe.c_str(), 0644));
    EXPECT_EQ("it is a named pipe, not a file", replaced(pipe, "x"));
    EXPECT_TRUE(fs::is_fifo(pipe));
    fs::create_directory(scratch / "folder");
    EXPECT_EQ("it is a folder, not a file", replaced(scratch / "folder", "x"));
    if (::mknod((scratch / "device").c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0) {
        EXPECT_EQ("it is a device, not a file", replaced(scratch / "device", "x"));
        EXPECT_TRUE(fs::is_character_file(scratch / "device"));
    }

    const fs::path locked = scratch.write("locked.dwg", "old");
    fs::permissions(locked, fs::perms(0444));
    EXPECT_EQ("the file is read-only", replaced(locked, "new"));
    EXPECT_EQ("old", rvntest::readBytes(locked));
    const fs::path lockedFolder = scratch / "folder" / "new.dwg";
    fs::permissions(scratch / "folder", fs::perms(0555));
    EXPECT_EQ("the folder \"" + (scratch / "folder").string() + "\" is read-only", replaced(lockedFolder, "new"));
    fs::permissions(scratch / "folder", fs::perms(0755));
    EXPECT_FALSE(fs::exists(lockedFolder));

    EXPECT_EQ(3u, entriesIn(scratch.path()) - (fs::exists(scratch / "device") ? 1 : 0));
}

TEST(OutputFile, AFullDiskLeavesTheEarlierFileAndNoPartOfTheNewOne) {
    rvntest::ScratchDir scratch;
    const fs::path earlier = scratch.write("results.json", "earlier");
    {
        FullDisk disk;
        rvnos::OutputFile file;
        std::wstring reason;
        ASSERT_TRUE(file.open(wide(earlier), reason)) << rvnos::toUtf8(reason);
        EXPECT_TRUE(file.write("0123456789"));
        EXPECT_FALSE(file.write("more than the disk holds"));
        EXPECT_FALSE(file.write("x")) << "a failed file takes nothing more";
        EXPECT_FALSE(file.commit(reason, rvnos::Durability::system)) << "a failed write fails an unflushed file too";
        EXPECT_EQ("No space left on device", rvnos::toUtf8(reason));
        EXPECT_EQ("No space left on device", replaced(scratch / "new.json", "more than ten bytes"));
    }
    EXPECT_EQ("earlier", rvntest::readBytes(earlier));
    EXPECT_FALSE(fs::exists(scratch / "new.json"));
    EXPECT_EQ(1u, entriesIn(scratch.path()));

    {
        rvnos::OutputFile abandoned;
        std::wstring reason;
        ASSERT_TRUE(abandoned.open(wide(earlier), reason));
        EXPECT_TRUE(abandoned.write("never committed"));
        EXPECT_EQ(2u, entriesIn(scratch.path()));
    }
    EXPECT_EQ(1u, entriesIn(scratch.path())) << "an output never committed leaves nothing";
    EXPECT_EQ("earlier", rvntest::readBytes(earlier));
}

}  // namespace
