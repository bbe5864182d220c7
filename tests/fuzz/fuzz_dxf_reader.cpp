// Fuzzing the DXF reader. A drawing that is read must write itself as DXF again, and that DXF
// must read back.
#include <cstddef>
#include <cstdint>
#include <string>

#include "dxf_drawing_reader.h"
#include "dxf_drawing_writer.h"
#include "netobj/network_class.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool registered = (RegisterNetworkClass(), true);
    (void)registered;
    AcDbDatabase database(false, true);
    std::wstring message;
    if (rvnhost::readDxf({reinterpret_cast<const char*>(data), size}, database, message) != Acad::eOk) return 0;
    std::string text;
    if (rvnhost::writeDxf(database, text, message) != Acad::eOk) __builtin_trap();
    AcDbDatabase again(false, true);
    if (rvnhost::readDxf(text, again, message) != Acad::eOk) __builtin_trap();
    return 0;
}
