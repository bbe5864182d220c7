// Reading files that are not whole drawings: truncated, bit-flipped, empty, foreign, newer or
// inconsistent ones are refused with a clear message, and nothing else is touched.
#include <gtest/gtest.h>

#include <algorithm>
#include <regex>

#include "drawing_format.h"
#include "drawing_samples.h"
#include "dwg_bytes.h"
#include "open_object_guard.h"
#include "text_codec.h"

namespace {

using namespace rvntest;

// Offsets in the file: the magic, the version (UInt16), the header length (UInt32), then the
// header's items, each a tag byte and its value: the handle seed, the named-object dictionary,
// the block table, the layer table...
constexpr std::size_t kVersionOffset = 8;
constexpr std::size_t kHeaderItems = 14;
constexpr std::size_t kNamedObjectsHandle = kHeaderItems + 9 + 1;
constexpr std::size_t kLayerTableHandle = kHeaderItems + 3 * 9 + 1;

void fixChecksum(std::vector<unsigned char>& bytes) {
    std::uint32_t crc = rvnhost::crc32(std::span(bytes).first(bytes.size() - 4));
    for (int i = 0; i < 4; ++i) bytes[bytes.size() - 4 + i] = static_cast<unsigned char>(crc >> (8 * i));
}

class DrawingDamage : public OpenObjectCheckedTest {
protected:
    void SetUp() override {
        sample = makeSampleDrawing();
        addSampleEntities(sample);
        saved = saveToBytes(*sample.database);
        inventory = objectInventory(*sample.database);
    }
    void TearDown() override {
        EXPECT_EQ(inventory, objectInventory(*sample.database)) << "the open drawing must stay as it was";
        OpenObjectCheckedTest::TearDown();
    }

    // The reading's message; empty when the bytes were read.
    std::string refusal(const std::vector<unsigned char>& bytes) {
        std::wstring message;
        auto database = openFromBytes(bytes, message);
        EXPECT_EQ(database == nullptr, !message.empty());
        return rvnos::toUtf8(message);
    }

    SampleDrawing sample;
    std::vector<unsigned char> saved;
    std::vector<std::wstring> inventory;
};

TEST_F(DrawingDamage, EveryTruncationIsRefused) {
    for (std::size_t length = 0; length < saved.size(); ++length) {
        std::vector<unsigned char> cut(saved.begin(), saved.begin() + static_cast<std::ptrdiff_t>(length));
        std::string message = refusal(cut);
        ASSERT_FALSE(message.empty()) << "cut at " << length;
        if (length >= rvnhost::drawing_format::kMagic.size()) {
            EXPECT_TRUE(message.find("truncated") != std::string::npos || message.find("damaged") != std::string::npos)
                << "cut at " << length << ": " << message;
        }
    }
}

TEST_F(DrawingDamage, EveryFlippedBitIsCaughtByTheChecksum) {
    for (std::size_t at = 0; at < saved.size(); ++at) {
        std::vector<unsigned char> flipped = saved;
        flipped[at] ^= static_cast<unsigned char>(1u << (at % 8));
        ASSERT_FALSE(refusal(flipped).empty()) << "bit flipped in byte " << at;
    }
    std::vector<unsigned char> body = saved;
    body[body.size() / 2] ^= 0x10;
    EXPECT_EQ("the file is damaged (its checksum does not match)", refusal(body));
}

// A file of other bytes is the host commands' (tests/drawing/shell_drawing_test.cpp).
TEST_F(DrawingDamage, AnEmptyFileIsNoDrawing) { EXPECT_EQ("it is not a drawing file", refusal({})); }

// A newer version, a header naming the wrong objects and data after the end, each with a valid checksum.
TEST_F(DrawingDamage, ANewerFormatAWrongHeaderAndDataAfterTheEndAreRefusedByName) {
    std::vector<unsigned char> newer = saved;
    newer[kVersionOffset] = 2;
    std::vector<unsigned char> swapped = saved;
    std::copy_n(saved.begin() + kNamedObjectsHandle, 8, swapped.begin() + kLayerTableHandle);
    std::vector<unsigned char> longer = saved;
    longer.insert(longer.end() - 4, {0, 0, 0, 0});
    const std::pair<std::vector<unsigned char>*, const char*> cases[] = {
        {&newer, "it was written in a newer drawing format (version 2)"},
        {&swapped, "the file is damaged (its header does not name the drawing's tables and records)"},
        {&longer, "it holds data after its end"}};
    for (const auto& [bytes, reason] : cases) {
        fixChecksum(*bytes);
        EXPECT_EQ(reason, refusal(*bytes));
    }
}

// Any byte of a file with a correct checksum may still be wrong: reading never crashes, whatever it
// accepts is a drawing the host can work on and save again, and a damaged object it refuses is named
// by its handle as the host shows handles: "#" and hexadecimal digits. Every byte takes one of five
// telling values in turn (zero, one, the largest positive, an all-ones byte and its own bits flipped):
// a fifth of the readings of all five at every byte, the drawing reader's fuzz target trying the others.
TEST_F(DrawingDamage, AlteredBytesWithAValidChecksumNeverLeadTheReaderAstray) {
    std::size_t named = 0;
    for (std::size_t at = rvnhost::drawing_format::kMagic.size(); at + 4 < saved.size(); ++at) {
        const unsigned char values[] = {0x00, 0x01, 0x7F, 0xFF, static_cast<unsigned char>(~saved[at])};
        std::vector<unsigned char> altered = saved;
        altered[at] = values[at % std::size(values)];
        fixChecksum(altered);
        std::wstring message;
        auto database = openFromBytes(altered, message);
        if (database == nullptr) {
            const std::string reason = rvnos::toUtf8(message);
            EXPECT_FALSE(reason.empty()) << "byte " << at;
            if (reason.find("(object ") == std::string::npos) continue;
            ++named;
            EXPECT_TRUE(std::regex_search(reason, std::regex("\\(object #[0-9A-F]+ "))) << reason;
            continue;
        }
        EXPECT_TRUE(message.empty()) << "byte " << at;
        EXPECT_FALSE(objectInventory(*database).empty()) << "byte " << at;
        EXPECT_FALSE(saveToBytes(*database).empty()) << "byte " << at;
    }
    EXPECT_NE(0u, named) << "some altered byte must damage one object";
}

}  // namespace
