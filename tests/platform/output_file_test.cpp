// Output files: written through links to their target, whole or not at all, and never over
// something that is not a writable regular file (never over an input: tests/calc).
#include "output_file.h"
#include "test_files.h"
#include "text_codec.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace {

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
