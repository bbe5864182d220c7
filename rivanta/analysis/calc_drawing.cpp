#include "analysis/calc_drawing.h"

#include "acdocman.h"
#include "drawing_file.h"
#include "drawing_signature.h"
#include "network/network_dictionary.h"

#include <memory>
#include <vector>

TzRvnToolDrawing::~TzRvnToolDrawing() {
    if (document_ != nullptr) acDocManagerPtr()->closeDocument(document_);
}

bool TzRvnToolDrawing::create() {
    if (acDocManagerPtr()->appContextNewDocument(nullptr) != Acad::eOk) return false;
    document_ = acDocManagerPtr()->curDocument();
    return document_ != nullptr;
}

bool TzRvnToolDrawing::open(const std::wstring& path, std::wstring& message) {
    std::unique_ptr<AcDbDatabase> database = rvnhost::openDrawingFile(path, message);
    if (database == nullptr) return false;
    document_ = acDocManagerPtr()->addDocument(std::move(database), path);
    return document_ != nullptr;
}

std::wstring TzRvnToolDrawing::save(const std::wstring& path) const {
    std::wstring message;
    if (rvnhost::saveDrawingFile(*database(), path, message) == Acad::eOk) return {};
    return L"rivanta calc: " + message;
}

AcDbDatabase* TzRvnToolDrawing::database() const { return document_ != nullptr ? document_->database() : nullptr; }

namespace {

// The networks of the drawing, quoted and separated by commas; how many there are, when none.
std::wstring networkList(AcDbDatabase* database) {
    std::vector<std::wstring> names;
    ListNetworks(database, names);
    std::wstring known;
    for (const std::wstring& other : names) known += (known.empty() ? L"\"" : L", \"") + other + L"\"";
    return known.empty() ? L"it has no networks" : L"its networks: " + known;
}

}  // namespace

std::wstring MissingNetworkMessage(AcDbDatabase* database, const std::wstring& path, const std::wstring& name) {
    return L"rivanta calc: the drawing \"" + path + L"\" has no network \"" + name + L"\" (" + networkList(database) +
           L")";
}

std::wstring DrawingWithoutNetworkMessage(const std::wstring& path) {
    if (!rvnhost::isDrawingFile(path)) return {};
    TzRvnToolDrawing drawing;
    std::wstring message;
    if (!drawing.open(path, message)) return L"rivanta calc: " + message;
    return L"rivanta calc: \"" + path + L"\" is a drawing: name the network to calculate with --network NAME (" +
           networkList(drawing.database()) + L")";
}
