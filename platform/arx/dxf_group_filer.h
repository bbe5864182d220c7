// A DXF filer reading the groups of one object of a DXF file as resbufs: texts decoded, numbers
// parsed, a point gathered from its X, Y and Z groups, a handle turned into the entity name of
// the object of the filer's database that has it (a null name when none has). A value that does
// not fit its code stops the reading with eInvalidDxfCode and a message naming the line.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "dbfiler.h"
#include "dxf_groups.h"

namespace rvnhost {

class DxfGroupFiler : public AcDbDxfFiler {
public:
    DxfGroupFiler(AcDbDatabase* database, std::span<const DxfGroup> groups, bool utf8);

    AcDb::FilerType filerType() const override { return AcDb::kFileFiler; }
    AcDbDatabase* database() const override { return database_; }
    Acad::ErrorStatus readItem(resbuf* item) override;
    Acad::ErrorStatus writeItem(const resbuf&) override { return Acad::eNotApplicable; }
    Acad::ErrorStatus pushBackItem() override;
    bool atEOF() override { return position_ >= groups_.size(); }

    // The line of the group read last (or of the first group, before any read).
    std::size_t line() const;

private:
    Acad::ErrorStatus badValue(const DxfGroup& group);
    Acad::ErrorStatus readInteger(const DxfGroup& group, long long low, long long high, long long& value);
    Acad::ErrorStatus readPoint(const DxfGroup& group, resbuf* item);
    Acad::ErrorStatus readName(const DxfGroup& group, resbuf* item);
    Acad::ErrorStatus readBinary(const DxfGroup& group, resbuf* item);

    AcDbDatabase* database_;
    std::span<const DxfGroup> groups_;
    bool utf8_;
    std::size_t position_ = 0;
    std::size_t lastStart_ = 0;
    bool lastWasRead_ = false;
    std::wstring readText_;
    std::vector<char> readBinary_;
};

}  // namespace rvnhost
