// The command stack: commands registered by applications in named groups. Names compare without
// regard to case. The most recently added group is searched first.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "acadstrc.h"
#include "adesk.h"
#include "rxclass.h"
#include "rxdict.h"

using AcRxFunctionPtr = void (*)();

#define ACRX_CMD_MODAL 0x00000000
#define ACRX_CMD_TRANSPARENT 0x00000001
#define ACRX_CMD_USEPICKSET 0x00000002
#define ACRX_CMD_REDRAW 0x00000004
#define ACRX_CMD_NOPERSPECTIVE 0x00000008
#define ACRX_CMD_NOMULTIPLE 0x00000010
#define ACRX_CMD_NOTILEMODE 0x00000020
#define ACRX_CMD_NOPAPERSPACE 0x00000040
#define ACRX_CMD_NOINTERNALLOCK 0x00000100
#define ACRX_CMD_SESSION 0x00200000
#define ACRX_CMD_NO_UNDO_MARKER 0x01000000

class AcEdCommand : public AcRxObject {
public:
    ACRX_DECLARE_MEMBERS(AcEdCommand);

    AcEdCommand(std::wstring globalName, std::wstring localName, Adesk::Int32 flags, AcRxFunctionPtr function)
        : globalName_(std::move(globalName)), localName_(std::move(localName)), flags_(flags), function_(function) {}

    AcRxFunctionPtr functionAddr() const { return function_; }
    Adesk::Int32 commandFlags() const { return flags_; }
    const ACHAR* globalName() const { return globalName_.c_str(); }
    const ACHAR* localName() const { return localName_.c_str(); }

private:
    std::wstring globalName_;
    std::wstring localName_;
    Adesk::Int32 flags_;
    AcRxFunctionPtr function_;
};

class AcEdCommandIterator : public AcRxObject {
public:
    struct Entry {
        const AcEdCommand* command;
        std::wstring group;
    };
    explicit AcEdCommandIterator(std::vector<Entry> entries) : entries_(std::move(entries)) {}

    bool done() const { return position_ >= entries_.size(); }
    bool next();
    const AcEdCommand* command() const;
    const ACHAR* commandGroup() const;

private:
    std::vector<Entry> entries_;
    std::size_t position_ = 0;
};

class AcEdCommandStack : public AcRxObject {
public:
    ACRX_DECLARE_MEMBERS(AcEdCommandStack);

    // eInvalidInput for an empty group or name, a name with blanks, or no function;
    // eDuplicateKey when the group already has a command of that global or local name.
    Acad::ErrorStatus addCommand(const ACHAR* groupName, const ACHAR* globalName, const ACHAR* localName,
                                 Adesk::Int32 commandFlags, AcRxFunctionPtr function);
    // The caller deletes the iterator: every command, group by group from the top.
    AcEdCommandIterator* iterator() const;
    AcEdCommand* lookupGlobalCmd(const ACHAR* name) const;
    AcEdCommand* lookupLocalCmd(const ACHAR* name) const;
    // By global (globalFlag) or local name, searching the groups from the top.
    AcEdCommand* lookupCmd(const ACHAR* name, bool globalFlag, bool allGroupsFlag = false,
                           bool skipUndefed = false) const;
    Acad::ErrorStatus popGroupToTop(const ACHAR* groupName);
    // eKeyNotFound when there is no such group (command).
    Acad::ErrorStatus removeCmd(const ACHAR* groupName, const ACHAR* globalName);
    Acad::ErrorStatus removeGroup(const ACHAR* groupName);

    // Runs a command as the user typed it (a leading '_' asks for the global name), then checks
    // that every object opened during it has been closed: each one still open is reported on the
    // transcript as a leak and closed. Answers eKeyNotFound ("Unknown command" on the command
    // line) for an unknown name, eDatabaseObjectsOpen when objects were left open, else eOk.
    Acad::ErrorStatus invoke(const ACHAR* name);

private:
    struct Group {
        std::wstring name;
        std::vector<std::unique_ptr<AcEdCommand>> commands;
    };
    Group* findGroup(const ACHAR* name);

    std::vector<Group> groups_;  // the top of the stack last
    int running_ = 0;
};

#define acedRegCmds AcEdCommandStack::cast(acrxSysRegistry()->at(ACRX_COMMAND_DOCK))
