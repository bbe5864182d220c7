// The DWG filer of drawing files: every item is written as a one-byte type tag followed by its
// value in little-endian byte order (see docs/drawing-format.md), and read back the same way.
// A cut item reads as the end of the file (eEndOfFile); the rest of the status rules are those of
// every typed filer (dwg_typed_filer.h).
//
// Object ids travel as handles. Writing, an id becomes the handle of its object when that object
// is saved with the drawing (present, not erased, of the filer's database), else the null handle.
// Reading, a handle becomes the id of the object of the filer's database that has it; a handle
// with no object there becomes a null id and is counted as unresolved.
#pragma once

#include <span>
#include <vector>

#include "dwg_bytes.h"
#include "dwg_typed_filer.h"

namespace rvnhost {

// The handle a reference to id is written with in a drawing of database: the object's handle when
// the object is saved with it (present, not erased, of that database), else 0.
std::uint64_t savedHandle(const AcDbDatabase* database, const AcDbObjectId& id);

class DwgFileFiler : public TypedDwgFiler {
public:
    // A filer appending to *out.
    DwgFileFiler(AcDbDatabase* database, std::vector<unsigned char>* out);
    // A filer reading bytes (which must outlive it); writing to it answers eNotApplicable.
    DwgFileFiler(AcDbDatabase* database, std::span<const unsigned char> bytes);

    AcDb::FilerType filerType() const override { return AcDb::kFileFiler; }

    // Handles read that name no object of the database.
    int unresolvedHandles() const { return unresolved_; }
    // True when every byte given to read has been consumed.
    bool atEnd() const { return reader_.atEnd(); }

protected:
    Acad::ErrorStatus putItem(DwgItemTag tag, DwgItemValue value) override;
    Acad::ErrorStatus takeItem(DwgItemTag tag, std::size_t byteCount, DwgItemValue& value) override;

private:
    // Reads the value of an item of that tag (its tag already read); false when the bytes end first.
    bool readValue(DwgItemTag tag, ByteReader& in, DwgItemValue& value);
    AcDbObjectId idOfHandle(std::uint64_t handle);

    std::vector<unsigned char>* out_ = nullptr;  // null for a reading filer
    ByteReader reader_;
    int unresolved_ = 0;
};

}  // namespace rvnhost
