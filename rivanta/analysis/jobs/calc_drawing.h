// The drawing "rivanta calc" works on: a new one for an imported file, or a saved one with
// --network. It is the host's current document for the run only (heads show in its own linear
// format) and is closed when its owner goes, so that no object of the plug-in outlives the tool.
#pragma once

#include "dbmain.h"

#include <string>

class AcApDocument;

class TzRvnToolDrawing {
public:
    TzRvnToolDrawing() = default;
    ~TzRvnToolDrawing();
    TzRvnToolDrawing(const TzRvnToolDrawing&) = delete;
    TzRvnToolDrawing& operator=(const TzRvnToolDrawing&) = delete;

    // A new empty drawing; false when the host made none.
    bool create();
    // The drawing file at path; false, with the message, when it cannot be read.
    bool open(const std::wstring& path, std::wstring& message);
    // Writes the drawing to path; empty on success, else the message.
    std::wstring save(const std::wstring& path) const;

    AcDbDatabase* database() const;

private:
    AcApDocument* document_ = nullptr;
};

// The networks of the drawing as messages name them ("its networks: \"a\", \"b\""), or that it has none.
std::wstring NetworkListText(AcDbDatabase* database);

// The message for a drawing without a network of that name, naming the networks it has.
std::wstring MissingNetworkMessage(AcDbDatabase* database, const std::wstring& path, const std::wstring& name);

// The message for a drawing given where a network file is expected (recognised by its content,
// whatever its name): it needs --network NAME, and the message names the networks it holds.
// Empty when path is no drawing.
std::wstring DrawingWithoutNetworkMessage(const std::wstring& path);
