// The settings file: exact format, reading rules, display-unit accessors.
#include "host/output_files.h"
#include "network/settings_file.h"
#include "network/settings_units.h"
#include "test_files.h"

#include <gtest/gtest.h>

namespace {

TzRvnSettings sampleSettings() {
    TzRvnSettings s;
    s.flowUnit = 1;
    s.diameterUnit = 2;
    s.roughnessUnit = 2;
    s.slopeUnit = 1;
    s.setFluid(0, 1.004e-6);
    s.initialVelocity = 1.0;
    s.maxIterations = 100;
    s.minBranchFlow = 1e-7;
    s.headTolerance = 0.001;
    s.flowTolerance = 1e-5;
    s.materialIndex = 3;
    s.defaultRoughness = 4.6e-5;
    s.minPressureHead = 10;
    s.maxPressureHead = 70;
    s.minVelocity = 0.3;
    s.maxVelocity = 2;
    s.colourLowHead = 255;
    s.colourHighHead = 16711680;
    s.colourLowVelocity = 65535;
    s.colourHighVelocity = 16711935;
    return s;
}

constexpr const char* kSampleText =
    "1\n2\n2\n1\n0\n0.0000010040\n1.0000000000\n100\n0.0000001000\n0.0010000000\n0.0000100000\n3\n"
    "0.0000460000\n10.0000000000\n70.0000000000\n0.3000000000\n2.0000000000\n255\n16711680\n65535\n16711935\n";

TEST(SettingsFile, WritesTwentyOneLinesAndReadsThemBack) {
    EXPECT_EQ(SettingsFileText(sampleSettings()), kSampleText);
    TzRvnSettings read;
    ReadSettingsText(kSampleText, read);
    EXPECT_EQ(read, sampleSettings());
}

TEST(SettingsFile, MissingLinesKeepValuesAndExtraLinesAreIgnored) {
    std::string text = kSampleText;
    const std::size_t nineteenLines = text.find("65535");
    TzRvnSettings read;
    read.colourLowVelocity = 7;
    read.colourHighVelocity = 8;
    ReadSettingsText(text.substr(0, nineteenLines), read);
    EXPECT_EQ(read.colourHighHead, 16711680u);
    EXPECT_EQ(read.colourLowVelocity, 7u);
    EXPECT_EQ(read.colourHighVelocity, 8u);

    ReadSettingsText(text + "99\nextra\n", read);
    EXPECT_EQ(read, sampleSettings());
}

TEST(SettingsFile, ReadsLeadingNumbersAndCarriageReturns) {
    TzRvnSettings read;
    ReadSettingsText("12\r\n  -2 litri\r\nmm\r\n\r\n+4\n1.5e-6x\n.25\n", read);
    EXPECT_EQ(read.flowUnit, 12);
    EXPECT_EQ(read.diameterUnit, -2);
    EXPECT_EQ(read.roughnessUnit, 0);
    EXPECT_EQ(read.slopeUnit, 0);
    EXPECT_EQ(read.fluidIndex, 4);
    EXPECT_EQ(read.viscosity, 1.5e-6);
    EXPECT_EQ(read.initialVelocity, 0.25);
}

TEST(SettingsFile, ALineLongerThan150CharactersGoesOnAsTheNextLine) {
    TzRvnSettings read;
    ReadSettingsText(std::string(149, ' ') + "12\n3\n", read);
    EXPECT_EQ(read.flowUnit, 1);
    EXPECT_EQ(read.diameterUnit, 2);
    EXPECT_EQ(read.roughnessUnit, 3);
}

TEST(SettingsFile, DisplayFlowUnitSetsSiValues) {
    TzRvnSettings s;
    s.flowUnit = kFlowLitresPerSecond;
    s.setMinBranchFlow(0.1);
    EXPECT_DOUBLE_EQ(s.minBranchFlow, 1e-4);
    EXPECT_NE(SettingsFileText(s).find("\n0.0001000000\n"), std::string::npos);

    s.flowUnit = kFlowCubicMetresPerSecond;
    s.setFlowTolerance(2e-5);
    s.flowUnit = kFlowLitresPerSecond;
    EXPECT_EQ(s.flowTolerance, 2e-5);
    EXPECT_DOUBLE_EQ(s.flowToleranceIn(s.flowUnit), 0.02);
    EXPECT_DOUBLE_EQ(s.minBranchFlowIn(kFlowCubicMetresPerSecond), 1e-4);

    s.roughnessUnit = kLengthMillimetres;
    s.setMaterial(2, 0.5);
    EXPECT_EQ(s.materialIndex, 2);
    EXPECT_DOUBLE_EQ(s.defaultRoughness, 0.0005);
}

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
