// Output files written whole or not at all. The bytes go to a temporary file in the folder of the
// file the path names (symbolic links followed to it), every write and the close are checked, and
// only then is the temporary file renamed over that file. A path that names something other than a
// regular file, a file or a folder nobody may write, or one of the inputs of the job is refused
// before anything is written. Every writer of drawings, exports, reports and results goes through here.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <sys/types.h>

namespace rvnos {

// How far a committed file is flushed. disk: its bytes and its folder entry reach the disk before
// commit returns, so that it survives a power cut; for what the user made and cannot make again
// (drawings, settings, exports). system: handed to the system only, which survives the program's
// end or crash; for what a job writes afresh on every run (reports, results), where a flush would
// cost more than the job's own work on a large network.
enum class Durability { disk, system };

class OutputFile {
public:
    OutputFile() = default;
    // A file never committed leaves no trace: its temporary file is removed.
    ~OutputFile();
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    // Prepares path for writing; false with the reason ("it is a named pipe, not a file") when
    // the path is refused or no temporary file can be made beside its target. inputs are files
    // the job reads: a path naming one of them (through links too) is refused.
    bool open(const std::wstring& path, std::wstring& reason, std::span<const std::wstring> inputs = {});
    bool isOpen() const { return descriptor_ >= 0; }
    // Appends bytes; false once any write has failed (the failure is kept for commit).
    bool write(std::string_view bytes);
    // Flushes (as far as durability says) and closes the temporary file and renames it over the
    // target. False with the reason when a write, the flush, the close or the rename failed: the
    // target is then as it was.
    bool commit(std::wstring& reason, Durability durability = Durability::disk);

private:
    void discard();

    std::string target_;     // the file written: the path with its links followed
    std::string temporary_;  // "<target>.tmp-XXXXXX" until committed
    int descriptor_ = -1;
    int error_ = 0;          // errno of the first failed write
};

// Writes bytes as the new content of path through an OutputFile; false with the reason.
bool replaceFile(const std::wstring& path, std::string_view bytes, std::wstring& reason,
                 std::span<const std::wstring> inputs = {});

// The system call every output write goes through. Tests put a full disk in its place; the
// previous function is returned so that it can be put back.
using OutputWriteFunction = ssize_t (*)(int descriptor, const void* bytes, std::size_t count);
OutputWriteFunction setOutputWriteFunction(OutputWriteFunction function);

}  // namespace rvnos
