#include "drawing_reader.h"

#include <algorithm>
#include <set>
#include <vector>

#include "drawing_check.h"
#include "drawing_format.h"
#include "drawing_header.h"
#include "dwg_bytes.h"
#include "dwg_file_filer.h"
#include "object_access.h"
#include "proxy_object.h"

namespace rvnhost {

namespace {

struct ObjectRecord {
    std::uint64_t handle = 0;
    std::uint64_t owner = 0;
    std::uint8_t flags = 0;
    std::wstring className, dxfName, appName;
    std::span<const unsigned char> data;
};

struct DrawingLayout {
    std::span<const unsigned char> header;
    std::vector<ObjectRecord> objects;
};

// The smallest object record: two handles, the flags, three empty texts and the data length.
constexpr std::size_t kMinRecordSize = 8 + 8 + 1 + 3 * 2 + 4;
constexpr std::size_t kCrcSize = 4;

Acad::ErrorStatus fail(Acad::ErrorStatus status, std::wstring text, std::wstring& message) {
    message = std::move(text);
    return status;
}

bool readRecord(ByteReader& in, ObjectRecord& record) {
    std::uint32_t length = 0;
    return in.u64(record.handle) && in.u64(record.owner) && in.u8(record.flags) && in.utf16z(record.className) &&
           in.utf16z(record.dxfName) && in.utf16z(record.appName) && in.u32(length) && in.raw(length, record.data);
}

// Splits the file into its header and object records, checking the magic, the version, the
// completeness of every part and the checksum; nothing is interpreted yet.
Acad::ErrorStatus readLayout(std::span<const unsigned char> bytes, DrawingLayout& layout, std::wstring& message) {
    const auto& magic = drawing_format::kMagic;
    if (bytes.size() < magic.size() || !std::equal(magic.begin(), magic.end(), bytes.begin())) {
        return fail(Acad::eNotADwgFile, L"it is not a drawing file", message);
    }
    ByteReader in(bytes.subspan(magic.size()));
    std::uint16_t version = 0;
    std::uint32_t headerLength = 0, count = 0;
    if (!in.u16(version)) return fail(Acad::eEndOfFile, L"the file is truncated", message);
    if (version > drawing_format::kVersion) {
        return fail(Acad::eBadDwgHeader, L"it was written in a newer drawing format (version " +
                                             std::to_wstring(version) + L")", message);
    }
    if (version == 0) return fail(Acad::eBadDwgHeader, L"its format version is damaged", message);
    if (!in.u32(headerLength) || !in.raw(headerLength, layout.header) || !in.u32(count)) {
        return fail(Acad::eEndOfFile, L"the file is truncated", message);
    }
    if (count > in.remaining() / kMinRecordSize) return fail(Acad::eEndOfFile, L"the file is truncated", message);
    layout.objects.resize(count);
    for (ObjectRecord& record : layout.objects) {
        if (!readRecord(in, record)) return fail(Acad::eEndOfFile, L"the file is truncated", message);
    }
    std::uint32_t stored = 0;
    if (!in.u32(stored)) return fail(Acad::eEndOfFile, L"the file is truncated", message);
    if (!in.atEnd()) return fail(Acad::eDwgNeedsRecovery, L"it holds data after its end", message);
    if (stored != crc32(bytes.first(bytes.size() - kCrcSize))) {
        return fail(Acad::eDwgCRCError, L"the file is damaged (its checksum does not match)", message);
    }
    return Acad::eOk;
}

// Gives every handle of the file its slot, so that references read later find their objects.
Acad::ErrorStatus reserveHandles(const DrawingLayout& layout, AcDbDatabase& database, std::wstring& message) {
    std::set<std::uint64_t> seen;
    for (const ObjectRecord& record : layout.objects) {
        if (record.handle == 0 || !seen.insert(record.handle).second) {
            return fail(Acad::eDwgNeedsRecovery,
                        L"the file is damaged (object " + rvnhost::shownHandle(AcDbHandle(record.handle)) +
                            L" is null or appears twice)",
                        message);
        }
        AcDbObjectId id;
        database.getAcDbObjectId(id, true, AcDbHandle(record.handle));
    }
    return Acad::eOk;
}

ProxyData recordProxyData(const ObjectRecord& record) {
    return {record.className, record.dxfName, record.appName, {record.data.begin(), record.data.end()}};
}

// The object of a record, read through its own class when the host knows it; else a proxy.
// Counts the handles its data names that the file does not hold.
Acad::ErrorStatus makeObject(const ObjectRecord& record, AcDbDatabase& database, AcDbObject*& made,
                             int& unresolved) {
    AcRxObject* created = createObjectOfClass(record.className.c_str());
    AcDbObject* object = AcDbObject::cast(created);
    if (object == nullptr) delete created;
    if (object != nullptr) {
        DwgFileFiler filer(&database, record.data);
        Acad::ErrorStatus status = object->dwgInFields(&filer);
        if (status == Acad::eOk) {
            unresolved += filer.unresolvedHandles();
            made = object;
            return Acad::eOk;
        }
        delete object;
        if (status != Acad::eMakeMeProxy) return status;
    }
    made = makeProxy(recordProxyData(record), (record.flags & drawing_format::kEntityFlag) != 0, &database);
    AcDbObjectId owner;
    if (database.getAcDbObjectId(owner, false, AcDbHandle(record.owner)) == Acad::eOk) {
        ObjectAccess::setOwner(*made, owner);
    }
    return Acad::eOk;
}

Acad::ErrorStatus readObjects(const DrawingLayout& layout, AcDbDatabase& database, std::wstring& message) {
    int unresolved = 0;
    for (const ObjectRecord& record : layout.objects) {
        AcDbObject* object = nullptr;
        Acad::ErrorStatus status = makeObject(record, database, object, unresolved);
        AcDbObjectId id;
        if (status == Acad::eOk) status = database.addAcDbObjectWithHandle(id, object, AcDbHandle(record.handle));
        if (status != Acad::eOk) {
            if (object != nullptr && object->objectId().isNull()) delete object;
            return fail(Acad::eDwgNeedsRecovery,
                        L"the file is damaged (object " + rvnhost::shownHandle(AcDbHandle(record.handle)) +
                            L" of class " + record.className + L" cannot be read)",
                        message);
        }
    }
    if (unresolved > 0) {
        return fail(Acad::eDwgNeedsRecovery, L"the file is damaged (it refers to objects it does not hold)", message);
    }
    return Acad::eOk;
}

void closeAll(AcDbDatabase& database) {
    for (AcDbObjectId id : database.allObjectIds()) ObjectAccess::forceClose(*ObjectAccess::peek(id));
}

Acad::ErrorStatus readInto(std::span<const unsigned char> bytes, AcDbDatabase& database, std::wstring& message) {
    DrawingLayout layout;
    Acad::ErrorStatus status = readLayout(bytes, layout, message);
    if (status == Acad::eOk) status = reserveHandles(layout, database, message);
    if (status == Acad::eOk) status = readObjects(layout, database, message);
    if (status == Acad::eOk) status = readDrawingHeader(database, layout.header, message);
    if (status == Acad::eOk) status = checkDrawing(database, message);
    closeAll(database);
    return status;
}

}  // namespace

Acad::ErrorStatus readDrawing(std::span<const unsigned char> bytes, AcDbDatabase& database, std::wstring& message) {
    message.clear();
    if (!database.allObjectIds().empty()) return fail(Acad::eInvalidInput, L"the database is not empty", message);
    return readInto(bytes, database, message);
}

}  // namespace rvnhost
