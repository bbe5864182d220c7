// The import of a Portavia or EPANET input file by the tool "rivanta calc": the file is read whole
// into a plain network first, and added to the drawing only once it has been imported.
#pragma once

#include "analysis/jobs/calc_options.h"
#include "analysis/jobs/network_exchange.h"
#include "dbmain.h"

#include <ostream>
#include <string>
#include <string_view>

// Answers the import's yes/no questions: by --yes or --no when given (the question and the answer
// are told on err, each on its line); else on a terminal by the user, through the host's message box answered from
// the terminal; elsewhere the question is refused.
class TzRvnImportAnswers {
public:
    TzRvnImportAnswers(TzRvnImportAnswer answer, bool onTerminal, std::ostream& err);

    bool operator()(const std::wstring& question);
    // True when a question was refused because nobody could be asked.
    bool refusedUnasked() const { return refusedUnasked_; }

private:
    bool askOnTerminal(const std::wstring& question) const;
    void tell(const std::wstring& question, std::wstring_view answer) const;

    TzRvnImportAnswer answer_;
    bool onTerminal_;
    std::ostream& err_;
    bool refusedUnasked_ = false;
};

// Reads the .ptv or .inp file at path into network (replaced only when imported), with what the
// program folder gives (calc_program_folder.h): the materials archive for a .ptv file, loaded into
// MaterialList(), and the settings file for an .inp file. ask answers the .ptv import's questions.
// Empty on success, else the message for the user.
std::wstring ImportNetworkFile(const std::wstring& path, const TzRvnImportQuestion& ask, TzRvnNetworkData& network);

// Reads the .ptv file at path into network (replaced only when imported), its default roughness
// from the first material of the materials archive of folder (the program folder), which is loaded
// into MaterialList() first. ask answers the questions on non-positive values. The outcome, with
// the message for the user unless imported.
TzRvnImportResult ImportPortaviaNetwork(const std::wstring& path, const std::wstring& folder,
                                        const TzRvnImportQuestion& ask, TzRvnNetworkData& network);

// Adds an imported network to the drawing under name (see AddNetwork). Empty on success, else the
// message for the user (translated): a name that cannot be a network name, or a drawing that
// refuses the network.
std::wstring AddImportedNetwork(AcDbDatabase* database, const std::wstring& name, TzRvnNetworkData network,
                                const std::wstring& path, AcDbObjectId& id);
