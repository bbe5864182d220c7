// Undo of commands. The command stack opens an undo mark around each command it runs on the
// working database; while the mark is open, each object of that database is filed (with an undo
// filer) the first time it is opened for write, objects created are noted, and so are erase marks
// that containers change on the objects they own. Undoing the command restores each filed object
// through its dwgInFields and its erase mark, erases what the command created, and restores the
// drawing's header values (current layer and text style, units, precision, text size).
//
// Commands registered with ACRX_CMD_NO_UNDO_MARKER (the host's own UNDO, OPEN, SAVE) open no mark.
#pragma once

#include <string>

#include "aced.h"
#include "dbmain.h"

namespace rvnhost {

// The mark around one command run by the command stack. A command run inside another joins the
// outer one's mark.
class UndoMark {
public:
    explicit UndoMark(const AcEdCommand& command);
    ~UndoMark();
    UndoMark(const UndoMark&) = delete;
    UndoMark& operator=(const UndoMark&) = delete;

private:
    bool opened_ = false;
};

// Opens and closes a mark on database by hand (what UndoMark does for a command).
void beginUndoMark(AcDbDatabase* database, const std::wstring& commandName);
void endUndoMark();

// What the database and the open discipline tell the undo history.
void undoNoteOpenedForWrite(AcDbObject& object);
void undoNoteAdded(AcDbObjectId id);
void undoNoteEraseMark(AcDbObjectId id);
void undoForgetDatabase(const AcDbDatabase* database);

// The number of commands that can be undone on database.
int undoableCommands(const AcDbDatabase* database);

// Undoes the last command recorded on database; commandName receives its name. eNotApplicable
// when there is nothing to undo; eWasOpenedForWrite (nothing changed) when an object the command
// changed is open now.
Acad::ErrorStatus undoLastCommand(AcDbDatabase* database, std::wstring& commandName);

}  // namespace rvnhost
