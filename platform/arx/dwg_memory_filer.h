// An in-memory DWG filer: a list of typed items written in order and read back in order. Copying
// and undo file objects through it; tests read its sequence. The status rules are those of every
// typed filer (dwg_typed_filer.h).
#pragma once

#include <string>
#include <vector>

#include "dwg_typed_filer.h"

namespace rvnhost {

class MemoryDwgFiler : public TypedDwgFiler {
public:
    using ItemType = DwgItemTag;
    using Value = DwgItemValue;
    struct Item {
        ItemType type;
        Value value;
    };

    explicit MemoryDwgFiler(AcDb::FilerType type = AcDb::kCopyFiler, AcDbDatabase* database = nullptr);

    AcDb::FilerType filerType() const override { return type_; }

    // Back to the first item for reading, with the status reset.
    void rewind();
    const std::vector<Item>& items() const { return items_; }
    std::size_t position() const { return position_; }
    // Drops every item from position on (a test's way to cut the sequence short).
    void truncate(std::size_t count);
    // One line per item: its type and value ("Int16 1", "String \"abc\"").
    std::wstring dump() const;

protected:
    Acad::ErrorStatus putItem(DwgItemTag tag, DwgItemValue value) override;
    Acad::ErrorStatus takeItem(DwgItemTag tag, std::size_t byteCount, DwgItemValue& value) override;

private:
    AcDb::FilerType type_;
    std::vector<Item> items_;
    std::size_t position_ = 0;
};

}  // namespace rvnhost
