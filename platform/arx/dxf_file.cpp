#include "dxf_file.h"

#include <vector>

#include "drawing_file_io.h"
#include "dxf_drawing_reader.h"
#include "dxf_drawing_writer.h"
#include "output_file.h"

namespace rvnhost {

Acad::ErrorStatus saveDxfFile(AcDbDatabase& database, const std::wstring& path, std::wstring& message,
                              std::span<const std::wstring> inputs) {
    std::string text;
    std::wstring reason;
    Acad::ErrorStatus status = writeDxf(database, text, reason);
    if (status == Acad::eOk && !rvnos::replaceFile(path, text, reason, inputs)) status = Acad::eCantOpenFile;
    message = status == Acad::eOk ? std::wstring() : fileFailure(L"Cannot write", path, reason);
    return status;
}

std::unique_ptr<AcDbDatabase> openDxfFile(const std::wstring& path, std::wstring& message) {
    std::vector<unsigned char> bytes;
    std::wstring reason;
    auto database = std::make_unique<AcDbDatabase>(false, true);
    bool read = readWholeFile(path, bytes, reason) &&
                readDxf({reinterpret_cast<const char*>(bytes.data()), bytes.size()}, *database, reason) == Acad::eOk;
    if (read) return database;
    message = fileFailure(L"Cannot open", path, reason);
    return nullptr;
}

}  // namespace rvnhost
