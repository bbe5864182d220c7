// Writes the drawings of the program folder given as its argument (examples/ in the repository):
// Blocks/NodoRvn.dwg and Blocks/SerbRvn.dwg, the node and tank symbols, and
// networks/distretto.dwg, a network drawn as a schema with the node and tank blocks read from
// those drawings and the settings of the folder's rvnsetup.par.
#include "dbapserv.h"
#include "lisp_symbols.h"
#include "netobj/network_class.h"
#include "network/settings_file.h"
#include "sample_schema.h"
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
    fs::create_directories(folder / "networks", error);
    RegisterNetworkClass();
    TzRvnSettings settings;
    if (LoadSettingsFile((folder / "rvnsetup.par").wstring(), settings) != 1) {
        std::cerr << "make_schema_drawings: cannot read " << (folder / "rvnsetup.par").string() << "\n";
        return 1;
    }
    // The program folder, as the plug-in reads it, ends with a separator.
    rvnhost::putLispString(L"tz-cpath", folder.wstring() + L"/");
    const bool written =
        writeDrawing(folder / rvnschema::kNodeBlockFile,
                     [](AcDbDatabase& db) { return statusText(DrawNodeSymbol(db), L"the node symbol"); }) &&
        writeDrawing(folder / rvnschema::kTankBlockFile,
                     [](AcDbDatabase& db) { return statusText(DrawTankSymbol(db), L"the tank symbol"); }) &&
        writeDrawing(folder / "networks" / "distretto.dwg",
                     [&settings](AcDbDatabase& db) { return DrawSampleSchema(db, settings); });
    return written ? 0 : 1;
}
