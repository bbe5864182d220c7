#include "acutmem.h"

#include <cstdarg>
#include <cstdlib>
#include <cstring>
#include <cwchar>

#include "adscodes.h"
#include "resbuf_kind.h"

using rvnhost::ResbufKind;

resbuf* acutNewRb(int restype) {
    if (rvnhost::resbufKind(restype) == ResbufKind::Unknown) return nullptr;
    resbuf* item = new resbuf{};
    item->restype = static_cast<short>(restype);
    return item;
}

int acutRelRb(resbuf* list) {
    if (list == nullptr) return RTERROR;
    while (list != nullptr) {
        resbuf* next = list->rbnext;
        ResbufKind kind = rvnhost::resbufKind(list->restype);
        if (kind == ResbufKind::String) delete[] list->resval.rstring;
        if (kind == ResbufKind::Binary) delete[] list->resval.rbinary.buf;
        delete list;
        list = next;
    }
    return RTNORM;
}

namespace {

// Reads the value of one item from the argument list; false when it cannot be taken.
bool takeValue(resbuf& item, ResbufKind kind, va_list& args) {
    switch (kind) {
    case ResbufKind::None:
        return true;
    case ResbufKind::String: {
        const ACHAR* text = va_arg(args, const ACHAR*);
        return text != nullptr && acutNewString(text, item.resval.rstring) == Acad::eOk;
    }
    case ResbufKind::Real:
        item.resval.rreal = va_arg(args, double);
        return true;
    case ResbufKind::Point: {
        const ads_real* point = va_arg(args, const ads_real*);
        if (point == nullptr) return false;
        item.resval.rpoint[X] = point[X];
        item.resval.rpoint[Y] = point[Y];
        item.resval.rpoint[Z] = item.restype == RTPOINT ? 0.0 : point[Z];
        return true;
    }
    case ResbufKind::Short:
        item.resval.rint = static_cast<short>(va_arg(args, int));
        return true;
    case ResbufKind::Long:
        item.resval.rlong = static_cast<Adesk::Int32>(va_arg(args, int));
        return true;
    case ResbufKind::Int64:
        item.resval.mnInt64 = va_arg(args, long long);
        return true;
    case ResbufKind::LongPtr:
        item.resval.mnLongPtr = va_arg(args, Adesk::LongPtr);
        return true;
    case ResbufKind::Name: {
        const Adesk::LongPtr* name = va_arg(args, const Adesk::LongPtr*);
        if (name == nullptr) return false;
        item.resval.rlname[0] = name[0];
        item.resval.rlname[1] = name[1];
        return true;
    }
    case ResbufKind::Binary: {
        const ads_binary* chunk = va_arg(args, const ads_binary*);
        if (chunk == nullptr || chunk->clen < 0 || (chunk->clen > 0 && chunk->buf == nullptr)) return false;
        item.resval.rbinary.clen = chunk->clen;
        item.resval.rbinary.buf = nullptr;
        if (chunk->clen > 0) {
            item.resval.rbinary.buf = new char[chunk->clen];
            std::memcpy(item.resval.rbinary.buf, chunk->buf, chunk->clen);
        }
        return true;
    }
    case ResbufKind::Unknown:
        break;
    }
    return false;
}

}  // namespace

resbuf* acutBuildList(int rtype, ...) {
    va_list args;
    va_start(args, rtype);
    resbuf* head = nullptr;
    resbuf** tail = &head;
    for (int type = rtype; type != 0 && type != RTNONE; type = va_arg(args, int)) {
        int restype = type == RTDXF0 ? 0 : type;
        ResbufKind kind = rvnhost::resbufKind(type);
        resbuf* item = kind == ResbufKind::Unknown ? nullptr : new resbuf{};
        if (item != nullptr) item->restype = static_cast<short>(restype);
        if (item == nullptr || !takeValue(*item, kind, args)) {
            delete item;
            acutRelRb(head);
            va_end(args);
            return nullptr;
        }
        *tail = item;
        tail = &item->rbnext;
    }
    va_end(args);
    return head;
}

Acad::ErrorStatus acutNewString(const ACHAR* input, ACHAR*& output) {
    output = nullptr;
    if (input == nullptr) return Acad::eInvalidInput;
    std::size_t length = std::wcslen(input);
    output = new ACHAR[length + 1];
    std::wmemcpy(output, input, length + 1);
    return Acad::eOk;
}

void acutDelString(ACHAR*& string) {
    delete[] string;
    string = nullptr;
}

Acad::ErrorStatus acutUpdString(const ACHAR* input, ACHAR*& output) {
    acutDelString(output);
    return acutNewString(input, output);
}

void* acHeapAlloc(void*, std::size_t size) { return std::malloc(size == 0 ? 1 : size); }

void acHeapFree(void*, void* block) { std::free(block); }
