// An in-memory DXF filer: groups written in order and read back in order, values kept exactly.
#pragma once

#include <string>
#include <vector>

#include "dbfiler.h"

namespace rvnhost {

class MemoryDxfFiler : public AcDbDxfFiler {
public:
    explicit MemoryDxfFiler(AcDb::FilerType type = AcDb::kFileFiler, AcDbDatabase* database = nullptr);
    ~MemoryDxfFiler() override;
    MemoryDxfFiler(const MemoryDxfFiler&) = delete;
    MemoryDxfFiler& operator=(const MemoryDxfFiler&) = delete;

    AcDb::FilerType filerType() const override { return type_; }
    AcDbDatabase* database() const override { return database_; }
    // eEndOfFile past the last group.
    Acad::ErrorStatus readItem(resbuf* item) override;
    Acad::ErrorStatus writeItem(const resbuf& item) override;
    // eInvalidInput unless the last operation was a read.
    Acad::ErrorStatus pushBackItem() override;
    bool atEOF() override { return position_ >= groups_.size(); }

    // Back to the first group for reading, with the status reset.
    void rewind();
    std::size_t size() const { return groups_.size(); }
    // One line per group: its code and value ("70 1", "100 AcDbDictionary").
    std::wstring dump() const;

private:
    AcDb::FilerType type_;
    AcDbDatabase* database_;
    std::vector<resbuf*> groups_;  // each a single group owning its value
    std::size_t position_ = 0;
    bool lastWasRead_ = false;
    std::wstring readText_;
    std::vector<char> readBinary_;
};

}  // namespace rvnhost
