#include "xdata_store.h"

#include <cwchar>

#include "acutmem.h"
#include "dbfiler.h"
#include "dbsymtb.h"
#include "name_compare.h"
#include "object_access.h"

namespace rvnhost {
namespace {

bool isControlBrace(const resbuf& item, const wchar_t* brace) {
    return item.resval.rstring != nullptr && std::wcscmp(item.resval.rstring, brace) == 0;
}

// One application's items: valid codes, strings present, braces balanced.
bool itemsAreValid(const resbuf* items) {
    int depth = 0;
    for (const resbuf* item = items; item != nullptr; item = item->rbnext) {
        if (!isXDataCode(item->restype)) return false;
        if (resbufKind(item->restype) == ResbufKind::String && item->resval.rstring == nullptr) return false;
        if (item->restype == AcDb::kDxfXdControlString) {
            if (isControlBrace(*item, L"{")) ++depth;
            else if (isControlBrace(*item, L"}")) --depth;
            else return false;
            if (depth < 0) return false;
        }
    }
    return depth == 0;
}

Acad::ErrorStatus writeItemValue(AcDbDwgFiler* filer, const resbuf& item) {
    switch (resbufKind(item.restype)) {
    case ResbufKind::String: return filer->writeString(item.resval.rstring);
    case ResbufKind::Real: return filer->writeDouble(item.resval.rreal);
    case ResbufKind::Point:
        return filer->writePoint3d(AcGePoint3d(item.resval.rpoint[X], item.resval.rpoint[Y], item.resval.rpoint[Z]));
    case ResbufKind::Short: return filer->writeInt16(item.resval.rint);
    case ResbufKind::Long: return filer->writeInt32(item.resval.rlong);
    case ResbufKind::Binary: return filer->writeBChunk(item.resval.rbinary);
    default: return Acad::eInvalidResBuf;
    }
}

Acad::ErrorStatus readItemValue(AcDbDwgFiler* filer, resbuf& item) {
    switch (resbufKind(item.restype)) {
    case ResbufKind::String: {
        std::wstring text;
        filer->readString(text);
        return acutNewString(text.c_str(), item.resval.rstring);
    }
    case ResbufKind::Real: return filer->readDouble(&item.resval.rreal);
    case ResbufKind::Point: {
        AcGePoint3d point;
        filer->readPoint3d(&point);
        item.resval.rpoint[X] = point.x;
        item.resval.rpoint[Y] = point.y;
        item.resval.rpoint[Z] = point.z;
        return filer->filerStatus();
    }
    case ResbufKind::Short: return filer->readInt16(&item.resval.rint);
    case ResbufKind::Long: return filer->readInt32(&item.resval.rlong);
    case ResbufKind::Binary: return filer->readBChunk(&item.resval.rbinary);
    default: return Acad::eDwgObjectImproperlyRead;
    }
}

}  // namespace

Acad::ErrorStatus XDataStore::parse(const resbuf* list, std::vector<App>& apps) {
    apps.clear();
    if (list == nullptr || list->restype != AcDb::kDxfRegAppName) return Acad::eInvalidResBuf;
    for (const resbuf* start = list; start != nullptr;) {
        if (start->resval.rstring == nullptr || *start->resval.rstring == L'\0') return Acad::eInvalidResBuf;
        const resbuf* end = start->rbnext;
        while (end != nullptr && end->restype != AcDb::kDxfRegAppName) end = end->rbnext;
        ResbufList items;
        resbuf** tail = nullptr;
        for (const resbuf* item = start->rbnext; item != end; item = item->rbnext) {
            resbuf* copy = copyResbuf(*item);
            if (tail == nullptr) items.reset(copy); else *tail = copy;
            tail = &copy->rbnext;
        }
        if (!itemsAreValid(items.get())) return Acad::eInvalidResBuf;
        apps.push_back({start->resval.rstring, std::move(items)});
        start = end;
    }
    return Acad::eOk;
}

Acad::ErrorStatus XDataStore::checkRegistered(const std::vector<App>& apps, AcDbDatabase* database) {
    if (database == nullptr) return Acad::eNoDatabase;
    auto* table = static_cast<AcDbRegAppTable*>(ObjectAccess::peek(database->regAppTableId()));
    if (table == nullptr) return Acad::eRegappIdNotFound;
    for (const App& app : apps) {
        if (table->findRecord(app.name, false).isNull()) return Acad::eRegappIdNotFound;
    }
    return Acad::eOk;
}

void XDataStore::apply(std::vector<App> apps) {
    for (App& app : apps) {
        auto existing = apps_.begin();
        while (existing != apps_.end() && !sameName(existing->name, app.name)) ++existing;
        if (app.items == nullptr) {
            if (existing != apps_.end()) apps_.erase(existing);
        } else if (existing != apps_.end()) {
            existing->items = std::move(app.items);
        } else {
            apps_.push_back(std::move(app));
        }
    }
}

resbuf* XDataStore::list(const ACHAR* appName) const {
    resbuf* head = nullptr;
    resbuf** tail = &head;
    for (const App& app : apps_) {
        if (appName != nullptr && !sameName(app.name, appName)) continue;
        *tail = acutNewRb(AcDb::kDxfRegAppName);
        acutNewString(app.name.c_str(), (*tail)->resval.rstring);
        (*tail)->rbnext = copyResbufList(app.items.get());
        while (*tail != nullptr) tail = &(*tail)->rbnext;
    }
    return head;
}

Acad::ErrorStatus XDataStore::dwgOut(AcDbDwgFiler* filer) const {
    filer->writeInt32(static_cast<Adesk::Int32>(apps_.size()));
    for (const App& app : apps_) {
        filer->writeString(app.name.c_str());
        Adesk::Int32 count = 0;
        for (const resbuf* item = app.items.get(); item != nullptr; item = item->rbnext) ++count;
        filer->writeInt32(count);
        for (const resbuf* item = app.items.get(); item != nullptr; item = item->rbnext) {
            filer->writeInt16(item->restype);
            writeItemValue(filer, *item);
        }
    }
    return filer->filerStatus();
}

Acad::ErrorStatus XDataStore::dwgIn(AcDbDwgFiler* filer) {
    apps_.clear();
    Adesk::Int32 appCount = 0;
    filer->readInt32(&appCount);
    for (Adesk::Int32 a = 0; a < appCount && filer->filerStatus() == Acad::eOk; ++a) {
        App app;
        filer->readString(app.name);
        Adesk::Int32 count = 0;
        filer->readInt32(&count);
        resbuf** tail = nullptr;
        for (Adesk::Int32 i = 0; i < count && filer->filerStatus() == Acad::eOk; ++i) {
            Adesk::Int16 code = 0;
            filer->readInt16(&code);
            resbuf* item = acutNewRb(code);
            if (item == nullptr || !isXDataCode(code)) {
                acutRelRb(item);
                filer->setFilerStatus(Acad::eDwgObjectImproperlyRead);
                break;
            }
            if (tail == nullptr) app.items.reset(item); else *tail = item;
            tail = &item->rbnext;
            readItemValue(filer, *item);
        }
        if (app.items != nullptr) apps_.push_back(std::move(app));
    }
    return filer->filerStatus();
}

Acad::ErrorStatus XDataStore::dxfOut(AcDbDxfFiler* filer) const {
    for (const App& app : apps_) {
        filer->writeString(AcDb::kDxfRegAppName, app.name.c_str());
        for (const resbuf* item = app.items.get(); item != nullptr; item = item->rbnext) filer->writeItem(*item);
    }
    return filer->filerStatus();
}

Acad::ErrorStatus XDataStore::dxfIn(AcDbDxfFiler* filer, ResbufList& list) {
    list.reset();
    resbuf** tail = nullptr;
    resbuf group{};
    while (!filer->atObjectEnd() && filer->readItem(&group) == Acad::eOk) {
        if (group.restype == AcDb::kDxfXDataStart) continue;
        if (!isXDataCode(group.restype)) {
            filer->pushBackItem();
            break;
        }
        resbuf* copy = copyResbuf(group);
        if (tail == nullptr) list.reset(copy); else *tail = copy;
        tail = &copy->rbnext;
    }
    return filer->filerStatus();
}

}  // namespace rvnhost
