#include "analysis/jobs/calc_drawing.h"

#include "analysis/jobs/calc_job_texts.h"
#include "frame/translation.h"
#include "acdocman.h"
#include "drawing_file.h"
#include "drawing_signature.h"
#include "netobj/network_dictionary.h"

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
    return FormatTranslated(rvntext::kCalcHostMessage, {std::wstring_view(message)});
}

AcDbDatabase* TzRvnToolDrawing::database() const { return document_ != nullptr ? document_->database() : nullptr; }

std::wstring NetworkListText(AcDbDatabase* database) {
    std::vector<std::wstring> names;
    ListNetworks(database, names);
    std::wstring known;
    for (const std::wstring& other : names) {
        if (!known.empty()) known += rvntext::kCalcListSeparator;
        known += FormatText(rvntext::kCalcQuoted, {std::wstring_view(other)});
    }
    return known.empty() ? TranslateText(rvntext::kCalcNoNetworks)
                         : FormatTranslated(rvntext::kCalcNetworkList, {std::wstring_view(known)});
}


std::wstring MissingNetworkMessage(AcDbDatabase* database, const std::wstring& path, const std::wstring& name) {
    const std::wstring networks = NetworkListText(database);
    return FormatTranslated(rvntext::kCalcNoSuchNetwork,
                            {std::wstring_view(path), std::wstring_view(name), std::wstring_view(networks)});
}

std::wstring DrawingWithoutNetworkMessage(const std::wstring& path) {
    if (!rvnhost::isDrawingFile(path)) return {};
    TzRvnToolDrawing drawing;
    std::wstring message;
    if (!drawing.open(path, message)) return FormatTranslated(rvntext::kCalcHostMessage, {std::wstring_view(message)});
    const std::wstring networks = NetworkListText(drawing.database());
    return FormatTranslated(rvntext::kCalcNeedsNetworkName, {std::wstring_view(path), std::wstring_view(networks)});
}
