#include "aced.h"

#include <algorithm>

#include "builtin_class.h"
#include "name_compare.h"
#include "open_objects.h"
#include "transcript.h"
#include "undo_history.h"

RVN_DEFINE_BUILTIN_MEMBERS(AcEdCommand)
RVN_DEFINE_BUILTIN_MEMBERS(AcEdCommandStack)

bool AcEdCommandIterator::next() {
    if (done()) return false;
    ++position_;
    return !done();
}

const AcEdCommand* AcEdCommandIterator::command() const { return done() ? nullptr : entries_[position_].command; }

const ACHAR* AcEdCommandIterator::commandGroup() const {
    return done() ? nullptr : entries_[position_].group.c_str();
}

namespace {

bool isCommandName(const ACHAR* name) {
    if (name == nullptr || *name == L'\0') return false;
    for (const ACHAR* c = name; *c != L'\0'; ++c) {
        if (*c <= L' ') return false;
    }
    return true;
}

}  // namespace

AcEdCommandStack::Group* AcEdCommandStack::findGroup(const ACHAR* name) {
    auto found = std::find_if(groups_.begin(), groups_.end(),
                              [&](const Group& g) { return name != nullptr && rvnhost::sameName(g.name, name); });
    return found != groups_.end() ? &*found : nullptr;
}

Acad::ErrorStatus AcEdCommandStack::addCommand(const ACHAR* groupName, const ACHAR* globalName,
                                               const ACHAR* localName, Adesk::Int32 commandFlags,
                                               AcRxFunctionPtr function) {
    if (!isCommandName(groupName) || !isCommandName(globalName) || function == nullptr) return Acad::eInvalidInput;
    if (localName == nullptr || *localName == L'\0') localName = globalName;
    if (!isCommandName(localName)) return Acad::eInvalidInput;
    Group* group = findGroup(groupName);
    if (group == nullptr) {
        groups_.push_back({groupName, {}});
        group = &groups_.back();
    }
    for (const auto& command : group->commands) {
        if (rvnhost::sameName(command->globalName(), globalName) || rvnhost::sameName(command->localName(), localName)) {
            return Acad::eDuplicateKey;
        }
    }
    group->commands.push_back(std::make_unique<AcEdCommand>(globalName, localName, commandFlags, function));
    return Acad::eOk;
}

AcEdCommandIterator* AcEdCommandStack::iterator() const {
    std::vector<AcEdCommandIterator::Entry> entries;
    for (auto group = groups_.rbegin(); group != groups_.rend(); ++group) {
        for (const auto& command : group->commands) entries.push_back({command.get(), group->name});
    }
    return new AcEdCommandIterator(std::move(entries));
}

AcEdCommand* AcEdCommandStack::lookupCmd(const ACHAR* name, bool globalFlag, bool, bool) const {
    if (name == nullptr) return nullptr;
    for (auto group = groups_.rbegin(); group != groups_.rend(); ++group) {
        for (const auto& command : group->commands) {
            const ACHAR* candidate = globalFlag ? command->globalName() : command->localName();
            if (rvnhost::sameName(candidate, name)) return command.get();
        }
    }
    return nullptr;
}

AcEdCommand* AcEdCommandStack::lookupGlobalCmd(const ACHAR* name) const { return lookupCmd(name, true); }

AcEdCommand* AcEdCommandStack::lookupLocalCmd(const ACHAR* name) const { return lookupCmd(name, false); }

Acad::ErrorStatus AcEdCommandStack::popGroupToTop(const ACHAR* groupName) {
    Group* group = findGroup(groupName);
    if (group == nullptr) return Acad::eKeyNotFound;
    Group moved = std::move(*group);
    groups_.erase(groups_.begin() + (group - groups_.data()));
    groups_.push_back(std::move(moved));
    return Acad::eOk;
}

Acad::ErrorStatus AcEdCommandStack::removeCmd(const ACHAR* groupName, const ACHAR* globalName) {
    Group* group = findGroup(groupName);
    if (group == nullptr || globalName == nullptr) return Acad::eKeyNotFound;
    auto found = std::find_if(group->commands.begin(), group->commands.end(),
                              [&](const auto& c) { return rvnhost::sameName(c->globalName(), globalName); });
    if (found == group->commands.end()) return Acad::eKeyNotFound;
    group->commands.erase(found);
    if (group->commands.empty()) groups_.erase(groups_.begin() + (group - groups_.data()));
    return Acad::eOk;
}

Acad::ErrorStatus AcEdCommandStack::removeGroup(const ACHAR* groupName) {
    Group* group = findGroup(groupName);
    if (group == nullptr) return Acad::eKeyNotFound;
    groups_.erase(groups_.begin() + (group - groups_.data()));
    return Acad::eOk;
}

// A command run inside another is checked with the outer one, when everything has ended.
Acad::ErrorStatus AcEdCommandStack::invoke(const ACHAR* name) {
    bool global = name != nullptr && name[0] == L'_';
    const ACHAR* typed = global ? name + 1 : name;
    AcEdCommand* command = global ? lookupGlobalCmd(typed) : lookupLocalCmd(typed);
    if (command == nullptr && !global) command = lookupGlobalCmd(typed);
    if (command == nullptr) {
        std::wstring shown = rvnhost::foldedName(typed != nullptr ? typed : L"");
        rvnhost::Transcript::instance().add(rvnhost::TranscriptKind::CommandLine,
                                            L"\nUnknown command \"" + shown + L"\".  Press F1 for help.");
        return Acad::eKeyNotFound;
    }
    std::wstring commandName = rvnhost::foldedName(command->globalName());
    AcRxFunctionPtr function = command->functionAddr();
    rvnhost::UndoMark undoMark(*command);
    ++running_;
    function();
    --running_;
    if (running_ > 0) return Acad::eOk;
    int leaks = rvnhost::reportOpenObjects(L"command " + commandName);
    return leaks > 0 ? Acad::eDatabaseObjectsOpen : Acad::eOk;
}
