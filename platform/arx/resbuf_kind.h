// What kind of value a resbuf of a given type carries, and copies of resbuf lists.
#pragma once

#include <memory>

#include "adsdef.h"

namespace rvnhost {

enum class ResbufKind { None, String, Real, Point, Short, Long, Int64, LongPtr, Name, Binary, Unknown };

// From an RT code (RTSTR...) or a DXF group code; Unknown for codes the host does not use.
ResbufKind resbufKind(int restype);
// Group codes allowed in extended data (1000 to 1071 where a kind is defined).
bool isXDataCode(int code);

struct ResbufListDeleter {
    void operator()(resbuf* list) const;
};
using ResbufList = std::unique_ptr<resbuf, ResbufListDeleter>;

// A copy of one item (its rbnext null), or of a whole list.
resbuf* copyResbuf(const resbuf& item);
resbuf* copyResbufList(const resbuf* list);

}  // namespace rvnhost
