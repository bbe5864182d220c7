#include "drawing_writer.h"

#include "drawing_format.h"
#include "drawing_header.h"
#include "drawing_read_guard.h"
#include "dwg_file_filer.h"
#include "proxy_object.h"

namespace rvnhost {

namespace {

struct ClassNames {
    std::wstring className, dxfName, appName;
    bool isEntity = false;
};

ClassNames classNamesOf(const AcDbObject& object) {
    if (const ProxyData* proxy = proxyDataOf(&object)) {
        return {proxy->className, proxy->dxfName, proxy->appName, object.isKindOf(AcDbEntity::desc())};
    }
    const AcRxClass* type = object.isA();
    return {type->name(), type->dxfName(), type->appName(), object.isKindOf(AcDbEntity::desc())};
}

Acad::ErrorStatus objectData(AcDbDatabase& database, const AcDbObject& object, std::vector<unsigned char>& data) {
    if (const ProxyData* proxy = proxyDataOf(&object)) {
        data = proxy->data;
        return Acad::eOk;
    }
    DwgFileFiler filer(&database, &data);
    Acad::ErrorStatus status = object.dwgOutFields(&filer);
    return status != Acad::eOk ? status : filer.filerStatus();
}

Acad::ErrorStatus writeObject(AcDbDatabase& database, AcDbObjectId id, ByteWriter& out, std::wstring& message) {
    ReadableObject object(id);
    std::vector<unsigned char> data;
    Acad::ErrorStatus status = object.get() != nullptr ? objectData(database, *object.get(), data) : Acad::eNotOpenForRead;
    if (status != Acad::eOk) {
        message = L"object " + rvnhost::shownHandle(id.handle()) + L" could not be written (status " +
                  std::to_wstring(status) + L")";
        return status;
    }
    ClassNames names = classNamesOf(*object.get());
    out.u64(id.handle().value());
    out.u64(savedHandle(&database, object.get()->ownerId()));
    out.u8(names.isEntity ? drawing_format::kEntityFlag : 0);
    out.utf16z(names.className);
    out.utf16z(names.dxfName);
    out.utf16z(names.appName);
    out.u32(static_cast<std::uint32_t>(data.size()));
    out.raw(data);
    return Acad::eOk;
}

}  // namespace

Acad::ErrorStatus writeDrawing(AcDbDatabase& database, std::vector<unsigned char>& out, std::wstring& message) {
    out.clear();
    ByteWriter writer(out);
    writer.raw(drawing_format::kMagic);
    writer.u16(drawing_format::kVersion);

    std::size_t headerLength = writer.size();
    writer.u32(0);
    Acad::ErrorStatus status = writeDrawingHeader(database, out);
    if (status != Acad::eOk) {
        message = L"the drawing's header could not be written";
        return status;
    }
    writer.patchU32(headerLength, static_cast<std::uint32_t>(writer.size() - headerLength - 4));

    std::vector<AcDbObjectId> saved;
    for (AcDbObjectId id : database.allObjectIds()) {
        if (!id.isErased()) saved.push_back(id);
    }
    writer.u32(static_cast<std::uint32_t>(saved.size()));
    for (AcDbObjectId id : saved) {
        status = writeObject(database, id, writer, message);
        if (status != Acad::eOk) return status;
    }
    writer.u32(crc32(out));
    return Acad::eOk;
}

}  // namespace rvnhost
