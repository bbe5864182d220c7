#include "dwg_bytes.h"

#include <array>
#include <bit>

#include "text_codec.h"

namespace rvnhost {

void ByteWriter::unsignedOf(std::uint64_t value, std::size_t bytes) {
    for (std::size_t i = 0; i < bytes; ++i) out_.push_back(static_cast<unsigned char>(value >> (8 * i)));
}

void ByteWriter::f64(double value) { u64(std::bit_cast<std::uint64_t>(value)); }

void ByteWriter::utf16z(const std::wstring& text) {
    for (char16_t unit : rvnos::toUtf16(text)) {
        if (unit == 0) break;
        u16(unit);
    }
    u16(0);
}

void ByteWriter::patchU32(std::size_t offset, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) out_[offset + i] = static_cast<unsigned char>(value >> (8 * i));
}

bool ByteReader::unsignedOf(std::size_t bytes, std::uint64_t& value) {
    if (remaining() < bytes) return false;
    value = 0;
    for (std::size_t i = 0; i < bytes; ++i) value |= std::uint64_t(bytes_[position_ + i]) << (8 * i);
    position_ += bytes;
    return true;
}

namespace {

template <class Unsigned>
bool readAs(ByteReader& in, Unsigned& value) {
    std::uint64_t read = 0;
    if (!in.unsignedOf(sizeof(Unsigned), read)) return false;
    value = static_cast<Unsigned>(read);
    return true;
}

}  // namespace

bool ByteReader::u8(std::uint8_t& value) { return readAs(*this, value); }
bool ByteReader::u16(std::uint16_t& value) { return readAs(*this, value); }
bool ByteReader::u32(std::uint32_t& value) { return readAs(*this, value); }
bool ByteReader::u64(std::uint64_t& value) { return unsignedOf(8, value); }

bool ByteReader::f64(double& value) {
    std::uint64_t bits = 0;
    if (!unsignedOf(8, bits)) return false;
    value = std::bit_cast<double>(bits);
    return true;
}

bool ByteReader::utf16z(std::wstring& text) {
    std::u16string units;
    for (std::size_t at = position_; at + 1 < bytes_.size(); at += 2) {
        char16_t unit = static_cast<char16_t>(bytes_[at] | bytes_[at + 1] << 8);
        if (unit == 0) {
            text = rvnos::fromUtf16(units);
            position_ = at + 2;
            return true;
        }
        units.push_back(unit);
    }
    return false;
}

bool ByteReader::raw(std::size_t count, std::span<const unsigned char>& bytes) {
    if (remaining() < count) return false;
    bytes = bytes_.subspan(position_, count);
    position_ += count;
    return true;
}

namespace {

std::array<std::uint32_t, 256> makeCrcTable() {
    std::array<std::uint32_t, 256> table{};
    for (std::uint32_t n = 0; n < 256; ++n) {
        std::uint32_t c = n;
        for (int k = 0; k < 8; ++k) c = (c & 1) != 0 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        table[n] = c;
    }
    return table;
}

}  // namespace

std::uint32_t crc32(std::span<const unsigned char> bytes) {
    static const std::array<std::uint32_t, 256> table = makeCrcTable();
    std::uint32_t crc = 0xFFFFFFFFu;
    for (unsigned char byte : bytes) crc = table[(crc ^ byte) & 0xFFu] ^ (crc >> 8);
    return crc ^ 0xFFFFFFFFu;
}

}  // namespace rvnhost
