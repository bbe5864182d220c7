// Writes the block drawings of the program folder given as its argument (examples/ in the
// repository): Blocks/NodoRvn.dwg and Blocks/SerbRvn.dwg, the node and tank symbols.
#include "dbapserv.h"
#include "schema/schema_names.h"
#include "symbol_blocks.h"
#include "text_codec.h"

#include <filesystem>
#include <iostream>

namespace {

namespace fs = std::filesystem;

// The drawing made by draw, saved at path; false with the message on failure.
template <class Draw>
bool writeDrawing(const fs::path& path, Draw draw) {
    AcDbDatabase database;
    AcDbDatabase* previous = acdbHostApplicationServices()->workingDatabase();
    acdbHostApplicationServices()->setWorkingDatabase(&database);
    std::wstring failure = draw(database);
    acdbHostApplicationServices()->setWorkingDatabase(previous);
    if (failure.empty() && database.saveAs(path.wstring().c_str()) != Acad::eOk) failure = L"it cannot be saved";
    if (failure.empty()) {
        std::cout << "Wrote " << path.string() << "\n";
        return true;
    }
    std::cerr << "make_schema_drawings: " << path.string() << ": " << rvnos::toUtf8(failure) << "\n";
    return false;
}

std::wstring statusText(Acad::ErrorStatus status, const wchar_t* what) {
    return status == Acad::eOk ? L"" : std::wstring(what) + L" cannot be drawn";
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: make_schema_drawings PROGRAM_FOLDER\n";
        return 2;
    }
    const fs::path folder(argv[1]);
    std::error_code error;
    fs::create_directories(folder / "Blocks", error);
    const bool written =
        writeDrawing(folder / rvnschema::kNodeBlockFile,
                     [](AcDbDatabase& db) { return statusText(DrawNodeSymbol(db), L"the node symbol"); }) &&
        writeDrawing(folder / rvnschema::kTankBlockFile,
                     [](AcDbDatabase& db) { return statusText(DrawTankSymbol(db), L"the tank symbol"); });
    return written ? 0 : 1;
}
