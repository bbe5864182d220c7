// The core's files written through the host's output files (rvnos::OutputFile): whole or not at
// all, a file or folder nobody may write and a path naming one of the job's inputs refused before
// anything is written. The core makes the text; these put it in place. Reports and results are
// written afresh by every run, so they are handed to the system without a flush to the disk.
#pragma once

#include "analysis/solver/report_stream.h"
#include "network/materials.h"
#include "network/network_data.h"
#include "network/settings.h"
#include "output_file.h"

#include <span>
#include <string>
#include <vector>

// A report file written as UTF-8, gathered in pieces of some kilobytes on its way: reports are
// written a few words at a time. The file appears whole when closed, or not at all.
class TzRvnFileReport : public TzRvnReportStream {
public:
    explicit TzRvnFileReport(const std::wstring& path);

    bool isOpen() const { return file_.isOpen(); }
    void write(std::wstring_view text) override;
    // Puts the whole report in place; false when it was never opened or some text did not reach it.
    bool close();
    // Why the file could not be opened or put in place ("No space left on device").
    const std::wstring& failure() const { return failure_; }

private:
    void flush();

    rvnos::OutputFile file_;
    std::string piece_;  // UTF-8 text not yet handed to the file
    std::wstring failure_;
};

// Writes the results JSON of network (WriteResultsJson) to path; a path naming one of inputs is
// refused. False with the reason.
bool WriteResultsJsonFile(const std::wstring& path, const TzRvnNetworkData& network, int check, int calc,
                          std::span<const std::wstring> inputs, std::wstring& reason);

// Writes the settings file (SettingsFileText) to path; 0 on failure.
int SaveSettingsFile(const std::wstring& path, const TzRvnSettings& settings);

// Writes the materials archive of list (MaterialsFileText) to path; 0 on failure, with the reason.
int SaveMaterials(const std::wstring& path, const std::vector<CMateriale>& list, std::wstring& reason);
int SaveMaterials(const std::wstring& path, const std::vector<CMateriale>& list);
