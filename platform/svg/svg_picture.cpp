#include "svg_picture.h"

#include "drawing_file_io.h"
#include "output_file.h"

namespace rvnhost {

bool drawModelSpace(AcDbDatabase& database, const SvgPicture& picture, std::string& document, std::wstring& message) {
    Scene scene;
    if (!buildModelSpaceScene(database, picture.colours, scene, message)) return false;
    document = svgDocument(scene, picture.window, picture.legend);
    return true;
}

bool writeSvgPicture(AcDbDatabase& database, const SvgPicture& picture, const std::wstring& path,
                     std::span<const std::wstring> inputs, std::wstring& message) {
    std::string document;
    if (!drawModelSpace(database, picture, document, message)) return false;
    std::wstring reason;
    if (rvnos::replaceFile(path, document, reason, inputs)) return true;
    message = fileFailure(L"Cannot write", path, reason);
    return false;
}

}  // namespace rvnhost
