// The strict checks of the settings file and the materials archive: each kind of fault is found
// with its line, and the files installed with the program pass.
#include "analysis/jobs/calc_program_folder.h"
#include "network/materials.h"
#include "network/settings_file.h"
#include "test_files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

namespace {

namespace fs = std::filesystem;

const fs::path kExamples = fs::path(RVN_SOURCE_DIR) / "examples";

// The installed settings file with line `line` (from 1) replaced by text.
std::string settingsWithLine(std::size_t line, const std::string& text) {
    std::string file = rvntest::readBytes(kExamples / "rvnsetup.par");
    std::size_t start = 0;
    for (std::size_t k = 1; k < line; ++k) start = file.find('\n', start) + 1;
    return file.replace(start, file.find('\n', start) - start, text);
}

void expectFault(const std::optional<TzRvnLineFault>& fault, std::size_t line, const std::wstring& problem) {
    ASSERT_TRUE(fault.has_value()) << "line " << line;
    EXPECT_EQ(line, fault->line);
    EXPECT_EQ(problem, LineFaultText(*fault));
}

TEST(SettingsCheck, TheInstalledFilesAndWhatTheReaderTakesAsWrittenPass) {
    EXPECT_FALSE(CheckSettingsText(rvntest::readBytes(kExamples / "rvnsetup.par")));
    EXPECT_FALSE(CheckSettingsText(rvntest::readBytes(fs::path(RVN_TEST_DATA) / "program_folder" / "rvnsetup.par")));
    EXPECT_FALSE(CheckSettingsText(SettingsFileText(TzRvnSettings())));
    for (const char* written : {"  1\r", "+1 \t", "1\r"}) EXPECT_FALSE(CheckSettingsText(settingsWithLine(1, written)));
    for (const char* written : {"-.5", "5.", "1e-7", "  2.5E+3 \r"}) {
        EXPECT_FALSE(CheckSettingsText(settingsWithLine(7, written))) << written;
    }
    const std::string crlf = "1\r\n2\r\n2\r\n1\r\n0\r\n1e-6\r\n1\r\n100\r\n1e-7\r\n0.001\r\n1e-5\r\n0\r\n1.5e-6\r\n"
                             "10\r\n70\r\n0.3\r\n2\r\n255\r\n16711680\r\n65535\r\n16711935";
    EXPECT_FALSE(CheckSettingsText(crlf));
    EXPECT_FALSE(CheckSettingsText(crlf + "\r\nanything after the 21st line\n"));
    EXPECT_FALSE(CheckSettingsText("\xEF\xBB\xBF" + crlf));
}

TEST(SettingsCheck, EachFaultIsFoundWithItsLine) {
    expectFault(CheckSettingsText(settingsWithLine(7, "abc")), 7, L"\"abc\" is not a number");
    expectFault(CheckSettingsText(settingsWithLine(7, "1.0 m/s")), 7, L"\"1.0 m/s\" is not a number");
    expectFault(CheckSettingsText(settingsWithLine(6, "1,004e-6")), 6, L"\"1,004e-6\" is not a number");
    expectFault(CheckSettingsText(settingsWithLine(9, "1e")), 9, L"\"1e\" is not a number");
    expectFault(CheckSettingsText(settingsWithLine(10, "nan")), 10, L"\"nan\" is not a number");
    expectFault(CheckSettingsText(settingsWithLine(11, "12\r34")), 11, L"\"12\r34\" is not a number");
    expectFault(CheckSettingsText(settingsWithLine(1, "1.5\r")), 1, L"\"1.5\" is not an integer");
    expectFault(CheckSettingsText(settingsWithLine(8, "1e2")), 8, L"\"1e2\" is not an integer");
    expectFault(CheckSettingsText(settingsWithLine(12, "")), 12, L"empty, not a number");
    expectFault(CheckSettingsText(settingsWithLine(13, " \r")), 13, L"empty, not a number");
    expectFault(CheckSettingsText(settingsWithLine(18, "4294967296")), 18,
                L"\"4294967296\" is beyond the range of a 32-bit integer");
    expectFault(CheckSettingsText(settingsWithLine(14, "1e999")), 14, L"\"1e999\" is beyond the range of a real");
    // The reader's buffer would cut the line and shift every field after it.
    expectFault(CheckSettingsText(settingsWithLine(2, std::string(149, ' ') + "2")), 2, L"longer than 149 characters");
    EXPECT_FALSE(CheckSettingsText(settingsWithLine(2, std::string(148, ' ') + "2")));
}

TEST(SettingsCheck, FewerThanTwentyOneLinesNameTheFirstMissingOne) {
    const std::string file = rvntest::readBytes(kExamples / "rvnsetup.par");
    std::size_t nineteenLines = 0;
    for (int k = 0; k < 19; ++k) nineteenLines = file.find('\n', nineteenLines) + 1;
    expectFault(CheckSettingsText(file.substr(0, nineteenLines)), 20, L"missing, the file ends after line 19");
    expectFault(CheckSettingsText(file.substr(0, nineteenLines - 1)), 20, L"missing, the file ends after line 19");
    expectFault(CheckSettingsText(""), 1, L"missing, the file ends after line 0");
}

TEST(MaterialsCheck, TheInstalledArchivesPassAndEachFaultIsFoundWithItsLine) {
    EXPECT_FALSE(CheckMaterialsText(rvntest::readBytes(kExamples / "rvnmateriali.dat")));
    EXPECT_FALSE(CheckMaterialsText(rvntest::readBytes(fs::path(RVN_TEST_DATA) / "program_folder" / "rvnmateriali.dat")));
    EXPECT_FALSE(CheckMaterialsText("PVC\r\n0.0000015\r\nGhisa\r\n0.00026"));
    EXPECT_FALSE(CheckMaterialsText(""));

    expectFault(CheckMaterialsText("PVC\n0.0000015\nGhisa\nx\n"), 4, L"\"x\" is not a number");
    expectFault(CheckMaterialsText("PVC\n\n"), 2, L"empty, not a number");
    expectFault(CheckMaterialsText("PVC\n0.0000015\nGhisa\n"), 4, L"missing, the file ends after line 3");
    expectFault(CheckMaterialsText("PVC\n0.0000015\n\n"), 4, L"missing, the file ends after line 3");
    expectFault(CheckMaterialsText("PVC\n0.0000015\n" + std::string(127, 'N') + "\n0.1\n"), 3, L"longer than 126 characters");
    EXPECT_FALSE(CheckMaterialsText("PVC\n0.0000015\n" + std::string(126, 'N') + "\n0.1\n"));
}

}  // namespace
