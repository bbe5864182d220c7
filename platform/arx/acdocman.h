// Documents and the document manager. A document owns its drawing database and carries its file
// name. The manager keeps the documents open in the host, the current one (where commands run)
// and the active one, and tells its reactors when documents are created, activated and destroyed.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "acadstrc.h"
#include "rxclass.h"

class AcDbDatabase;

namespace AcAp {
enum DocLockMode { kNone = 0, kAutoWrite = 1, kNotLocked = 2, kWrite = 4, kProtectedAutoWrite = 20, kRead = 32, kXWrite = 64 };
}

class AcApDocument : public AcRxObject {
public:
    ACRX_DECLARE_MEMBERS(AcApDocument);

    AcApDocument(std::unique_ptr<AcDbDatabase> database, std::wstring fileName);
    ~AcApDocument() override;

    // The full file name ("Drawing1.dwg" for a drawing never saved).
    const ACHAR* fileName() const { return fileName_.c_str(); }
    // The file name without its folder.
    const ACHAR* docTitle() const;
    AcDbDatabase* database() const { return database_.get(); }
    void setFileName(const std::wstring& fileName) { fileName_ = fileName; }

private:
    std::unique_ptr<AcDbDatabase> database_;
    std::wstring fileName_;
};

// Notifications of the document manager; each does nothing unless overridden.
class AcApDocManagerReactor : public AcRxObject {
public:
    virtual void documentCreateStarted(AcApDocument*) {}
    virtual void documentCreated(AcApDocument*) {}
    virtual void documentToBeDestroyed(AcApDocument*) {}
    virtual void documentDestroyed(const ACHAR* fileName) { (void)fileName; }
    virtual void documentCreateCanceled(AcApDocument*) {}
    virtual void documentBecameCurrent(AcApDocument*) {}
    virtual void documentToBeActivated(AcApDocument*) {}
    virtual void documentToBeDeactivated(AcApDocument*) {}
    virtual void documentActivationModified(bool newValue) { (void)newValue; }
    virtual void documentActivated(AcApDocument*) {}
};

class AcApDocManager : public AcRxObject {
public:
    ACRX_DECLARE_MEMBERS(AcApDocManager);

    AcApDocument* curDocument() const { return current_; }
    // The document owning that database, or null.
    AcApDocument* document(const AcDbDatabase* database) const;

    // Makes the document current (and active when activate is true).
    Acad::ErrorStatus setCurDocument(AcApDocument* document, AcAp::DocLockMode mode = AcAp::kNone,
                                     bool activate = false);
    // Makes the document active and current: documentToBeDeactivated (the previous one),
    // documentToBeActivated, documentBecameCurrent, documentActivated.
    Acad::ErrorStatus activateDocument(AcApDocument* document, bool passScript = false);
    // A new empty drawing ("Drawing<n>.dwg"), made active. The template name is not used.
    Acad::ErrorStatus appContextNewDocument(const ACHAR* templateName);
    // Closes a document: objects left open in its drawing are reported, documentToBeDestroyed is
    // sent, the most recently active remaining document becomes active and current, the
    // document and its drawing are deleted, and documentDestroyed is sent.
    Acad::ErrorStatus closeDocument(AcApDocument* document);
    // Takes an opened drawing as a new document, made active (the shell's open command).
    AcApDocument* addDocument(std::unique_ptr<AcDbDatabase> database, const std::wstring& fileName);

    void addReactor(AcApDocManagerReactor* reactor);
    void removeReactor(AcApDocManagerReactor* reactor);

private:
    bool holds(const AcApDocument* document) const;
    template <class Notify>
    void notify(Notify notification);

    std::vector<std::unique_ptr<AcApDocument>> documents_;
    std::vector<AcApDocument*> activationHistory_;
    AcApDocument* current_ = nullptr;
    AcApDocument* active_ = nullptr;
    std::vector<AcApDocManagerReactor*> reactors_;
    int untitledCount_ = 0;
};

AcApDocManager* acDocManagerPtr();
#define acDocManager acDocManagerPtr()
