#include "drawing_file.h"

#include <vector>

#include "drawing_file_io.h"
#include "drawing_reader.h"
#include "drawing_writer.h"
#include "output_file.h"

namespace rvnhost {

Acad::ErrorStatus saveDrawingFile(AcDbDatabase& database, const std::wstring& path, std::wstring& message) {
    std::vector<unsigned char> bytes;
    std::wstring reason;
    Acad::ErrorStatus status = writeDrawing(database, bytes, reason);
    const std::string_view content(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    if (status == Acad::eOk && !rvnos::replaceFile(path, content, reason)) status = Acad::eCantOpenFile;
    message = status == Acad::eOk ? std::wstring() : fileFailure(L"Cannot save", path, reason);
    return status;
}

Acad::ErrorStatus readDrawingFile(const std::wstring& path, AcDbDatabase& database, std::wstring& message) {
    std::vector<unsigned char> bytes;
    std::wstring reason;
    Acad::ErrorStatus status = readWholeFile(path, bytes, reason) ? readDrawing(bytes, database, reason)
                                                                  : Acad::eCantOpenFile;
    message = status == Acad::eOk ? std::wstring() : fileFailure(L"Cannot open", path, reason);
    return status;
}

std::unique_ptr<AcDbDatabase> openDrawingFile(const std::wstring& path, std::wstring& message) {
    auto database = std::make_unique<AcDbDatabase>(false, true);
    if (readDrawingFile(path, *database, message) != Acad::eOk) return nullptr;
    return database;
}

}  // namespace rvnhost

Acad::ErrorStatus AcDbDatabase::readDwgFile(const ACHAR* fileName) {
    std::wstring message;
    return fileName != nullptr ? rvnhost::readDrawingFile(fileName, *this, message) : Acad::eInvalidInput;
}

Acad::ErrorStatus AcDbDatabase::saveAs(const ACHAR* fileName) {
    std::wstring message;
    return fileName != nullptr ? rvnhost::saveDrawingFile(*this, fileName, message) : Acad::eInvalidInput;
}
