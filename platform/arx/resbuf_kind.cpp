#include "resbuf_kind.h"

#include <cstring>

#include "acutmem.h"
#include "adscodes.h"

namespace rvnhost {
namespace {

struct CodeRange {
    int first;
    int last;
    ResbufKind kind;
};

// Group code ranges of the DXF reference; points occupy their X code (Y and Z codes are part
// of the same point in a resbuf).
constexpr CodeRange kGroupCodes[] = {
    {-5, -5, ResbufKind::None},      {-4, -4, ResbufKind::String},    {-3, -3, ResbufKind::None},
    {-2, -1, ResbufKind::Name},      {0, 9, ResbufKind::String},      {10, 37, ResbufKind::Point},
    {38, 59, ResbufKind::Real},      {60, 79, ResbufKind::Short},     {90, 99, ResbufKind::Long},
    {100, 100, ResbufKind::String},  {102, 102, ResbufKind::String},  {105, 105, ResbufKind::String},
    {110, 139, ResbufKind::Point},   {140, 149, ResbufKind::Real},    {160, 169, ResbufKind::Int64},
    {170, 179, ResbufKind::Short},   {210, 239, ResbufKind::Point},   {270, 299, ResbufKind::Short},
    {300, 309, ResbufKind::String},  {310, 319, ResbufKind::Binary},  {320, 329, ResbufKind::String},
    {330, 369, ResbufKind::Name},    {370, 389, ResbufKind::Short},   {390, 399, ResbufKind::Name},
    {400, 409, ResbufKind::Short},   {410, 419, ResbufKind::String},  {420, 429, ResbufKind::Long},
    {430, 439, ResbufKind::String},  {440, 459, ResbufKind::Long},    {460, 469, ResbufKind::Real},
    {470, 479, ResbufKind::String},  {480, 481, ResbufKind::Name},    {999, 1003, ResbufKind::String},
    {1004, 1004, ResbufKind::Binary}, {1005, 1009, ResbufKind::String}, {1010, 1039, ResbufKind::Point},
    {1040, 1059, ResbufKind::Real},  {1060, 1070, ResbufKind::Short}, {1071, 1071, ResbufKind::Long},
};

ResbufKind rtCodeKind(int code) {
    switch (code) {
    case RTNONE: case RTVOID: case RTLB: case RTLE: case RTDOTE: case RTNIL: case RTT:
        return ResbufKind::None;
    case RTREAL: case RTANG: case RTORINT:
        return ResbufKind::Real;
    case RTPOINT: case RT3DPOINT:
        return ResbufKind::Point;
    case RTSHORT:
        return ResbufKind::Short;
    case RTSTR: case RTDXF0:
        return ResbufKind::String;
    case RTENAME: case RTPICKS:
        return ResbufKind::Name;
    case RTLONG:
        return ResbufKind::Long;
    case RTLONG_PTR:
        return ResbufKind::LongPtr;
    case RTINT64:
        return ResbufKind::Int64;
    default:
        return ResbufKind::Unknown;
    }
}

}  // namespace

ResbufKind resbufKind(int restype) {
    if (restype >= RTNONE) return rtCodeKind(restype);
    for (const CodeRange& range : kGroupCodes) {
        if (restype >= range.first && restype <= range.last) return range.kind;
    }
    return ResbufKind::Unknown;
}

bool isXDataCode(int code) {
    return code >= 1000 && code <= 1071 && resbufKind(code) != ResbufKind::Unknown;
}

void ResbufListDeleter::operator()(resbuf* list) const { acutRelRb(list); }

resbuf* copyResbuf(const resbuf& item) {
    resbuf* copy = new resbuf{nullptr, item.restype, item.resval};
    switch (resbufKind(item.restype)) {
    case ResbufKind::String:
        copy->resval.rstring = nullptr;
        if (item.resval.rstring != nullptr) acutNewString(item.resval.rstring, copy->resval.rstring);
        break;
    case ResbufKind::Binary: {
        short length = item.resval.rbinary.clen > 0 ? item.resval.rbinary.clen : 0;
        copy->resval.rbinary.clen = length;
        copy->resval.rbinary.buf = nullptr;
        if (length > 0 && item.resval.rbinary.buf != nullptr) {
            copy->resval.rbinary.buf = new char[length];
            std::memcpy(copy->resval.rbinary.buf, item.resval.rbinary.buf, length);
        }
        break;
    }
    default:
        break;
    }
    return copy;
}

resbuf* copyResbufList(const resbuf* list) {
    resbuf* head = nullptr;
    resbuf** tail = &head;
    for (const resbuf* item = list; item != nullptr; item = item->rbnext) {
        *tail = copyResbuf(*item);
        tail = &(*tail)->rbnext;
    }
    return head;
}

}  // namespace rvnhost
