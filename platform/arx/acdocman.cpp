#include "acdocman.h"

#include <algorithm>

#include "builtin_class.h"
#include "dbapserv.h"
#include "dbdatabase.h"
#include "open_objects.h"

RVN_DEFINE_BUILTIN_MEMBERS(AcApDocument)
RVN_DEFINE_BUILTIN_MEMBERS(AcApDocManager)

AcApDocument::AcApDocument(std::unique_ptr<AcDbDatabase> database, std::wstring fileName)
    : database_(std::move(database)), fileName_(std::move(fileName)) {}

AcApDocument::~AcApDocument() = default;

const ACHAR* AcApDocument::docTitle() const {
    std::size_t slash = fileName_.find_last_of(L"/\\");
    return fileName_.c_str() + (slash == std::wstring::npos ? 0 : slash + 1);
}

AcApDocManager* acDocManagerPtr() {
    static AcApDocManager* manager = new AcApDocManager;
    return manager;
}

bool AcApDocManager::holds(const AcApDocument* document) const {
    return document != nullptr && std::any_of(documents_.begin(), documents_.end(),
                                              [&](const auto& held) { return held.get() == document; });
}

// Each reactor is told in the order it was added; one removed during a notification is not told.
template <class Notify>
void AcApDocManager::notify(Notify notification) {
    std::vector<AcApDocManagerReactor*> reactors = reactors_;
    for (AcApDocManagerReactor* reactor : reactors) {
        if (std::find(reactors_.begin(), reactors_.end(), reactor) != reactors_.end()) notification(*reactor);
    }
}

AcApDocument* AcApDocManager::document(const AcDbDatabase* database) const {
    for (const auto& held : documents_) {
        if (held->database() == database) return held.get();
    }
    return nullptr;
}

void AcApDocManager::addReactor(AcApDocManagerReactor* reactor) {
    if (reactor != nullptr && std::find(reactors_.begin(), reactors_.end(), reactor) == reactors_.end()) {
        reactors_.push_back(reactor);
    }
}

void AcApDocManager::removeReactor(AcApDocManagerReactor* reactor) {
    reactors_.erase(std::remove(reactors_.begin(), reactors_.end(), reactor), reactors_.end());
}

Acad::ErrorStatus AcApDocManager::setCurDocument(AcApDocument* document, AcAp::DocLockMode, bool activate) {
    if (!holds(document)) return Acad::eInvalidInput;
    if (activate) return activateDocument(document);
    if (current_ != document) {
        current_ = document;
        acdbHostApplicationServices()->setWorkingDatabase(document->database());
        notify([&](AcApDocManagerReactor& r) { r.documentBecameCurrent(document); });
    }
    return Acad::eOk;
}

Acad::ErrorStatus AcApDocManager::activateDocument(AcApDocument* document, bool) {
    if (!holds(document)) return Acad::eInvalidInput;
    if (active_ == document && current_ == document) return Acad::eOk;
    AcApDocument* previous = holds(active_) ? active_ : nullptr;
    if (previous != nullptr && previous != document) {
        notify([&](AcApDocManagerReactor& r) { r.documentToBeDeactivated(previous); });
    }
    notify([&](AcApDocManagerReactor& r) { r.documentToBeActivated(document); });
    active_ = document;
    activationHistory_.erase(std::remove(activationHistory_.begin(), activationHistory_.end(), document),
                             activationHistory_.end());
    activationHistory_.push_back(document);
    setCurDocument(document);
    notify([&](AcApDocManagerReactor& r) { r.documentActivated(document); });
    return Acad::eOk;
}

AcApDocument* AcApDocManager::addDocument(std::unique_ptr<AcDbDatabase> database, const std::wstring& fileName) {
    if (database == nullptr) return nullptr;
    auto made = std::make_unique<AcApDocument>(std::move(database), fileName);
    AcApDocument* document = made.get();
    documents_.push_back(std::move(made));
    notify([&](AcApDocManagerReactor& r) { r.documentCreateStarted(document); });
    notify([&](AcApDocManagerReactor& r) { r.documentCreated(document); });
    activateDocument(document);
    return document;
}

Acad::ErrorStatus AcApDocManager::appContextNewDocument(const ACHAR*) {
    std::wstring name = L"Drawing" + std::to_wstring(++untitledCount_) + L".dwg";
    addDocument(std::make_unique<AcDbDatabase>(), name);
    return Acad::eOk;
}

Acad::ErrorStatus AcApDocManager::closeDocument(AcApDocument* document) {
    if (!holds(document)) return Acad::eInvalidInput;
    rvnhost::reportOpenObjects(std::wstring(L"the drawing ") + document->docTitle(), *document->database());
    notify([&](AcApDocManagerReactor& r) { r.documentToBeDestroyed(document); });

    activationHistory_.erase(std::remove(activationHistory_.begin(), activationHistory_.end(), document),
                             activationHistory_.end());
    bool wasShown = active_ == document || current_ == document;
    if (active_ == document) active_ = nullptr;
    if (current_ == document) {
        current_ = nullptr;
        acdbHostApplicationServices()->setWorkingDatabase(nullptr);
    }
    if (wasShown && !activationHistory_.empty()) {
        activateDocument(activationHistory_.back());
    } else if (wasShown) {
        auto next = std::find_if(documents_.begin(), documents_.end(),
                                 [&](const auto& held) { return held.get() != document; });
        if (next != documents_.end()) activateDocument(next->get());
    }

    std::wstring fileName = document->fileName();
    documents_.erase(std::find_if(documents_.begin(), documents_.end(),
                                  [&](const auto& held) { return held.get() == document; }));
    notify([&](AcApDocManagerReactor& r) { r.documentDestroyed(fileName.c_str()); });
    return Acad::eOk;
}
