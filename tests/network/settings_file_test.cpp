// The settings file: exact format and reading rules (the display-unit accessors are the settings dialog's).
#include "host/output_files.h"
#include "network/settings_file.h"
#include "network/settings_units.h"
#include "test_files.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

TzRvnSettings sampleSettings() {
    return {1, 2, 2, 1, 0, 1.004e-6, 1.0, 100, 1e-7, 0.001, 1e-5, 3, 4.6e-5, 10, 70, 0.3, 2, 255, 16711680, 65535, 16711935};
}

constexpr const char* kSampleText =
    "1\n2\n2\n1\n0\n0.0000010040\n1.0000000000\n100\n0.0000001000\n0.0010000000\n0.0000100000\n3\n"
    "0.0000460000\n10.0000000000\n70.0000000000\n0.3000000000\n2.0000000000\n255\n16711680\n65535\n16711935\n";

TEST(SettingsFile, MissingLinesKeepValuesAndExtraLinesAreIgnored) {
    std::string text = kSampleText;
    const std::size_t nineteenLines = text.find("65535");
    TzRvnSettings read;
    read.colourLowVelocity = 7;
    read.colourHighVelocity = 8;
    ReadSettingsText(text.substr(0, nineteenLines), read);
    EXPECT_EQ(std::tuple(16711680u, 7u, 8u), std::tie(read.colourHighHead, read.colourLowVelocity, read.colourHighVelocity));

    ReadSettingsText(text + "99\nextra\n", read);
    EXPECT_EQ(read, sampleSettings());
}

TEST(SettingsFile, ReadsLeadingNumbersCarriageReturnsAndLongLinesAsTheReaderDoes) {
    TzRvnSettings read;
    ReadSettingsText("12\r\n  -2 litri\r\nmm\r\n\r\n+4\n1.5e-6x\n.25\n", read);
    EXPECT_EQ(std::tuple(12, -2, 0, 0, 4, 1.5e-6, 0.25), std::tie(read.flowUnit, read.diameterUnit, read.roughnessUnit,
                                                             read.slopeUnit, read.fluidIndex, read.viscosity,
                                                             read.initialVelocity));
    // A line longer than 150 characters goes on as the next line.
    ReadSettingsText(std::string(149, ' ') + "12\n3\n", read);
    EXPECT_EQ(std::tuple(1, 2, 3), std::tie(read.flowUnit, read.diameterUnit, read.roughnessUnit));
}

// Twenty-one lines, written and read back.
TEST(SettingsFile, SavesAndLoadsByPathAndLeavesSettingsAloneWithoutAFile) {
    rvntest::ScratchDir dir;
    const std::wstring path = (dir / "rvnsetup.par").wstring();
    TzRvnSettings read;
    read.maxIterations = 42;
    EXPECT_EQ(LoadSettingsFile(path, read), 0);
    EXPECT_EQ(read.maxIterations, 42);

    ASSERT_EQ(SaveSettingsFile(path, sampleSettings()), 1);
    EXPECT_EQ(rvntest::readBytes(dir / "rvnsetup.par"), kSampleText);
    ASSERT_EQ(LoadSettingsFile(path, read), 1);
    EXPECT_EQ(read, sampleSettings());
    EXPECT_EQ(SaveSettingsFile((dir / "missing" / "rvnsetup.par").wstring(), read), 0);
}

}  // namespace
