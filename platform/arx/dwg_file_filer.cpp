#include "dwg_file_filer.h"

#include "dbmain.h"

namespace rvnhost {

namespace {

constexpr std::size_t kMaxBChunk = 32767;  // an ads_binary counts its bytes in a short

// The bytes of an integer or boolean item's value.
std::size_t widthOf(DwgItemTag tag) {
    switch (tag) {
    case DwgItemTag::Int8:
    case DwgItemTag::UInt8:
    case DwgItemTag::Boolean:
    case DwgItemTag::Bool: return 1;
    case DwgItemTag::Int16:
    case DwgItemTag::UInt16: return 2;
    case DwgItemTag::Int32:
    case DwgItemTag::UInt32: return 4;
    default: return 8;
    }
}

bool isId(DwgItemTag tag) {
    return tag == DwgItemTag::HardOwnershipId || tag == DwgItemTag::SoftOwnershipId ||
           tag == DwgItemTag::HardPointerId || tag == DwgItemTag::SoftPointerId;
}

bool readXyz(ByteReader& in, double (&xyz)[3]) { return in.f64(xyz[0]) && in.f64(xyz[1]) && in.f64(xyz[2]); }

}  // namespace

DwgFileFiler::DwgFileFiler(AcDbDatabase* database, std::vector<unsigned char>* out)
    : TypedDwgFiler(database), out_(out), reader_({}) {}

DwgFileFiler::DwgFileFiler(AcDbDatabase* database, std::span<const unsigned char> bytes)
    : TypedDwgFiler(database), reader_(bytes) {}

std::uint64_t savedHandle(const AcDbDatabase* database, const AcDbObjectId& id) {
    bool saved = id.isValid() && !id.isErased() && id.database() == database;
    return saved ? id.handle().value() : 0;
}

AcDbObjectId DwgFileFiler::idOfHandle(std::uint64_t handle) {
    AcDbObjectId id;
    if (handle == 0) return id;
    if (database() == nullptr || database()->getAcDbObjectId(id, false, AcDbHandle(handle)) != Acad::eOk) {
        ++unresolved_;
        id.setNull();
    }
    return id;
}

Acad::ErrorStatus DwgFileFiler::putItem(DwgItemTag tag, DwgItemValue value) {
    if (out_ == nullptr) return Acad::eNotApplicable;
    ByteWriter out(*out_);
    out.u8(static_cast<std::uint8_t>(tag));
    if (const auto* id = std::get_if<AcDbObjectId>(&value)) out.u64(savedHandle(database(), *id));
    if (const auto* text = std::get_if<std::wstring>(&value)) out.utf16z(*text);
    if (const auto* handle = std::get_if<AcDbHandle>(&value)) out.u64(handle->value());
    if (const auto* s = std::get_if<std::int64_t>(&value)) out.unsignedOf(static_cast<std::uint64_t>(*s), widthOf(tag));
    if (const auto* u = std::get_if<std::uint64_t>(&value)) out.unsignedOf(*u, widthOf(tag));
    if (const auto* real = std::get_if<double>(&value)) out.f64(*real);
    if (const auto* p = std::get_if<AcGePoint3d>(&value)) {
        for (double xyz : {p->x, p->y, p->z}) out.f64(xyz);
    }
    if (const auto* v = std::get_if<AcGeVector3d>(&value)) {
        for (double xyz : {v->x, v->y, v->z}) out.f64(xyz);
    }
    if (const auto* bytes = std::get_if<std::vector<unsigned char>>(&value)) {
        if (tag == DwgItemTag::BChunk) out.u16(static_cast<std::uint16_t>(bytes->size()));
        else out.u32(static_cast<std::uint32_t>(bytes->size()));
        out.raw(*bytes);
    }
    return Acad::eOk;
}

Acad::ErrorStatus DwgFileFiler::takeItem(DwgItemTag tag, std::size_t byteCount, DwgItemValue& value) {
    ByteReader attempt = reader_;
    std::uint8_t found = 0;
    if (!attempt.u8(found)) return Acad::eEndOfFile;
    if (found != static_cast<std::uint8_t>(tag)) return Acad::eDwgObjectImproperlyRead;
    if (tag == DwgItemTag::Bytes) {
        std::uint32_t stored = 0;
        if (!attempt.u32(stored)) return Acad::eEndOfFile;
        if (stored != byteCount) return Acad::eDwgObjectImproperlyRead;
        std::span<const unsigned char> bytes;
        if (!attempt.raw(stored, bytes)) return Acad::eEndOfFile;
        value = std::vector<unsigned char>(bytes.begin(), bytes.end());
    } else if (!readValue(tag, attempt, value)) {
        return Acad::eEndOfFile;
    }
    reader_ = attempt;
    return Acad::eOk;
}

bool DwgFileFiler::readValue(DwgItemTag tag, ByteReader& in, DwgItemValue& value) {
    std::uint64_t bits = 0;
    double xyz[3] = {0.0, 0.0, 0.0};
    std::span<const unsigned char> bytes;
    switch (tag) {
    case DwgItemTag::String: {
        std::wstring text;
        if (!in.utf16z(text)) return false;
        value = std::move(text);
        return true;
    }
    case DwgItemTag::BChunk: {
        std::uint16_t count = 0;
        if (!in.u16(count) || count > kMaxBChunk || !in.raw(count, bytes)) return false;
        value = std::vector<unsigned char>(bytes.begin(), bytes.end());
        return true;
    }
    case DwgItemTag::Double:
        if (!in.f64(xyz[0])) return false;
        value = xyz[0];
        return true;
    case DwgItemTag::Point3d:
        if (!readXyz(in, xyz)) return false;
        value = AcGePoint3d(xyz[0], xyz[1], xyz[2]);
        return true;
    case DwgItemTag::Vector3d:
        if (!readXyz(in, xyz)) return false;
        value = AcGeVector3d(xyz[0], xyz[1], xyz[2]);
        return true;
    default: break;
    }
    if (!in.unsignedOf(widthOf(tag), bits)) return false;
    if (tag == DwgItemTag::Handle) value = AcDbHandle(bits);
    else if (isId(tag)) value = idOfHandle(bits);
    else value = bits;  // a signed integer's two's complement, narrowed back when it is read
    return true;
}

}  // namespace rvnhost
