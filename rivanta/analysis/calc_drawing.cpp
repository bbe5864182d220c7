#include "analysis/calc_drawing.h"

#include "acdocman.h"
#include "drawing_file.h"
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

std::wstring MissingNetworkMessage(AcDbDatabase* database, const std::wstring& path, const std::wstring& name) {
    std::vector<std::wstring> names;
    ListNetworks(database, names);
    std::wstring known;
    for (const std::wstring& other : names) known += (known.empty() ? L"\"" : L", \"") + other + L"\"";
    return L"rivanta calc: the drawing \"" + path + L"\" has no network \"" + name + L"\" (" +
           (known.empty() ? L"it has no networks" : L"its networks: " + known) + L")";
}
