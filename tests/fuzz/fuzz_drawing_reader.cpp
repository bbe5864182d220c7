// Fuzzing the drawing reader. Half of the inputs get a correct checksum, so that mutations reach
// the parsing behind it. A drawing that is read must save, and saving what reads back from that
// must give the same bytes.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "drawing_reader.h"
#include "drawing_writer.h"
#include "dwg_bytes.h"
#include "netobj/network_class.h"

namespace {

void fixChecksum(std::vector<unsigned char>& bytes) {
    std::uint32_t crc = rvnhost::crc32(std::span(bytes).first(bytes.size() - 4));
    for (int i = 0; i < 4; ++i) bytes[bytes.size() - 4 + i] = static_cast<unsigned char>(crc >> (8 * i));
}

std::vector<unsigned char> saved(AcDbDatabase& database) {
    std::vector<unsigned char> bytes;
    std::wstring message;
    if (rvnhost::writeDrawing(database, bytes, message) != Acad::eOk) __builtin_trap();
    return bytes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool registered = (RegisterNetworkClass(), true);
    (void)registered;
    std::vector<unsigned char> bytes(data, data + size);
    if (bytes.size() >= 4 && bytes.size() % 2 == 0) fixChecksum(bytes);
    AcDbDatabase database(false, true);
    std::wstring message;
    if (rvnhost::readDrawing(bytes, database, message) != Acad::eOk) return 0;
    std::vector<unsigned char> first = saved(database);
    AcDbDatabase again(false, true);
    if (rvnhost::readDrawing(first, again, message) != Acad::eOk || saved(again) != first) __builtin_trap();
    return 0;
}
