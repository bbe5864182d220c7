// Little-endian byte encoding of the drawing file: fixed-size integers, IEEE-754 doubles,
// zero-terminated UTF-16 text, and the CRC-32 that guards a whole file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace rvnhost {

// Appends values to a byte buffer.
class ByteWriter {
public:
    explicit ByteWriter(std::vector<unsigned char>& out) : out_(out) {}

    // The low `bytes` bytes of value (1 to 8).
    void unsignedOf(std::uint64_t value, std::size_t bytes);
    void u8(std::uint8_t value) { unsignedOf(value, 1); }
    void u16(std::uint16_t value) { unsignedOf(value, 2); }
    void u32(std::uint32_t value) { unsignedOf(value, 4); }
    void u64(std::uint64_t value) { unsignedOf(value, 8); }
    void f64(double value);
    // UTF-16LE code units followed by a zero unit. A text holding U+0000 ends there.
    void utf16z(const std::wstring& text);
    void raw(std::span<const unsigned char> bytes) { out_.insert(out_.end(), bytes.begin(), bytes.end()); }
    std::size_t size() const { return out_.size(); }
    // Overwrites a 32-bit value written earlier at offset (a length known only afterwards).
    void patchU32(std::size_t offset, std::uint32_t value);

private:
    std::vector<unsigned char>& out_;
};

// Reads values from a byte range. Every read answers false, consuming nothing, when the range
// holds too few bytes (or no terminator, for text).
class ByteReader {
public:
    explicit ByteReader(std::span<const unsigned char> bytes) : bytes_(bytes) {}

    // An unsigned integer of `bytes` bytes (1 to 8).
    bool unsignedOf(std::size_t bytes, std::uint64_t& value);
    bool u8(std::uint8_t& value);
    bool u16(std::uint16_t& value);
    bool u32(std::uint32_t& value);
    bool u64(std::uint64_t& value);
    bool f64(double& value);
    bool utf16z(std::wstring& text);
    // The next count bytes, as a view into the range.
    bool raw(std::size_t count, std::span<const unsigned char>& bytes);

    std::size_t remaining() const { return bytes_.size() - position_; }
    bool atEnd() const { return position_ == bytes_.size(); }

private:
    std::span<const unsigned char> bytes_;
    std::size_t position_ = 0;
};

// CRC-32 of ISO 3309 / ITU-T V.42 (reflected polynomial 0xEDB88320, initial and final value
// 0xFFFFFFFF), the checksum of zlib and PNG.
std::uint32_t crc32(std::span<const unsigned char> bytes);

}  // namespace rvnhost
