// The host program run as a user runs it: scripts answering prompts and message boxes, jobs handed
// to the plug-in, and the command lines and plug-ins it refuses.
#include "run_command.h"
#include "test_files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace {

using rvntest::CommandRun;
using rvntest::Printed;
using rvntest::runHost;

CommandRun runScript(const std::string& script, const std::string& plugin = "TestPlugin.arx") {
    rvntest::ScratchDir folder;
    return runHost("run " + rvntest::singleQuoted(folder.write("test.scr", script)), plugin);
}

TEST(ShellSession, ScriptRunsCommandsAndAnswersTheirPrompts) {
    const CommandRun run = runScript("HELLO\n10,20\nhello\nFine\n_hello\n*Cancel*\n");
    EXPECT_EQ(run.status, 0) << run.output;
    EXPECT_EQ(run.output,
              "Test plug-in loaded.\n"
              "Command: HELLO\n"
              "Punto o [Fine]: 10,20\n"
              "Ciao da 10.00,20.00\n"
              "Command: hello\n"
              "Punto o [Fine]: Fine\n"
              "Parola chiave\n"
              "Command: _hello\n"
              "Punto o [Fine]: *Cancel*\n"
              "*Cancel*\n"
              "Nessun punto (-5002)\n"
              "Command: \n"
              "Test plug-in unloaded.\n");
}

// Given before or after a job's name; found beside the program is the test of a copied host below.
TEST(ShellSession, TheProgramFolderIsALispSymbolEndingWithASeparator) {
    rvntest::ScratchDir folder;
    const auto script = folder.write("folder.scr", "FOLDER\n");
    const CommandRun given = runHost("--program-folder '" + folder.path().string() + "' run '" + script.string() + "'");
    EXPECT_TRUE(Printed(given, "Cartella: " + folder.path().string() + "/\n"));
    const CommandRun after = runHost("echo a --program-folder '" + folder.path().string() + "' b");
    EXPECT_EQ(after.status, 0) << after.output;
    EXPECT_NE(after.output.find("a b\n"), std::string::npos) << after.output;
    const CommandRun missing = runHost("echo a --program-folder /nonexistent");
    EXPECT_EQ(missing.status, 2);
    EXPECT_NE(missing.output.find("\"/nonexistent\" does not exist"), std::string::npos) << missing.output;
    const CommandRun noFolder = runHost("echo a --program-folder");
    EXPECT_EQ(noFolder.status, 2);
    EXPECT_NE(noFolder.output.find("--program-folder needs a folder"), std::string::npos) << noFolder.output;
}

TEST(ShellSession, UnknownCommandsAndMalformedLinesAreReportedAndFailTheScript) {
    const CommandRun run = runScript("NOSUCHCOMMAND\nHELLO\n1,1\nnot a command\nCOMMANDS\n");
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.output.find("Unknown command \"NOSUCHCOMMAND\""), std::string::npos) << run.output;
    EXPECT_NE(run.output.find("Ciao da 1.00,1.00"), std::string::npos);
    EXPECT_NE(run.output.find("** Not a command: \"not a command\""), std::string::npos);
    EXPECT_NE(run.output.find("RVN_TEST  LEAKY"), std::string::npos);
}

TEST(ShellSession, AScriptEndingInsideACommandCancelsItWithAnError) {
    const CommandRun run = runScript("HELLO\n");
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.output.find("** No more input in the script"), std::string::npos) << run.output;
    EXPECT_NE(run.output.find("Nessun punto (-5002)"), std::string::npos);
}

TEST(ShellSession, ControlCharactersAndBytesThatAreNotUtf8OfAScriptLineAreEchoedEscaped) {
    const CommandRun run = runScript("HELLO\n\x1B[2Jx\xFF\xC3\xA8\t.\nFine\n\x1B[2J\n");
    EXPECT_NE(run.output.find("Punto o [Fine]: \\x1B[2Jx\\xFF\xC3\xA8\t.\n"), std::string::npos) << run.output;
    EXPECT_NE(run.output.find("Command: \\x1B[2J\n** Not a command: \"\\x1B[2J\"\n"), std::string::npos) << run.output;
    EXPECT_EQ(run.output.find('\x1B'), std::string::npos) << run.output;
    EXPECT_EQ(run.output.find("\xEF\xBF\xBD"), std::string::npos) << "no byte is replaced: " << run.output;
}

TEST(ShellSession, AnObjectLeftOpenIsReported) {
    const CommandRun run = runScript("LEAKY\nQUIT\nHELLO\n");
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.output.find("** "), std::string::npos) << run.output;
    EXPECT_NE(run.output.find("AcDbDictionary"), std::string::npos) << run.output;
    EXPECT_EQ(run.output.find("Punto"), std::string::npos);  // QUIT ended the session
}

TEST(ShellSession, MessageBoxesAreAnsweredFromTheScript) {
    const CommandRun run = runScript("ASK\nno\nASK\n\n");
    EXPECT_EQ(run.status, 0) << run.output;
    EXPECT_TRUE(Printed(run, "[question] Messaggio Prova: Continuare?\nYes/No <Yes>: no\nCi si ferma"));
    EXPECT_NE(run.output.find("Si continua"), std::string::npos);
}

TEST(ShellSession, JobsAreHandedToThePlugin) {
    const CommandRun echo = runHost("echo a 'b c'");
    EXPECT_EQ(echo.status, 0);
    EXPECT_NE(echo.output.find("a b c\n"), std::string::npos) << echo.output;
    EXPECT_EQ(runHost("fail").status, 3);
    const CommandRun noJobs = runHost("calc rete.ptv", "TestPluginNoJobs.arx");
    EXPECT_EQ(noJobs.status, 2);
    EXPECT_TRUE(Printed(noJobs, "unknown job \"calc\"\nTry \"rivanta --help\"."));
}

TEST(ShellSession, AFolderOrAScriptWithAnEndlessLineIsRefusedBeforeAnyCommand) {
    rvntest::ScratchDir folder;
    const CommandRun directory = runHost("run " + rvntest::singleQuoted(folder.path()));
    EXPECT_EQ(directory.status, 2);
    EXPECT_NE(directory.output.find("is a folder, not a file of commands"), std::string::npos) << directory.output;

    const std::string endless(70 * 1024, 'x');
    const CommandRun longLine = runHost("run " + rvntest::singleQuoted(folder.write("long.scr", "HELLO\n1,2\n" + endless + "\n")));
    EXPECT_EQ(longLine.status, 2);
    EXPECT_TRUE(Printed(longLine, "long.scr\": line 3 is longer than 65536 bytes"));
    EXPECT_EQ(longLine.output.find("Ciao"), std::string::npos) << "no command of the script may run";
}

TEST(ShellSession, AnEndlessLineTypedIsIgnoredWithAMessage) {
    rvntest::ScratchDir folder;
    const std::filesystem::path typed = folder.write("typed.txt", std::string(70 * 1024, 'x') + "\nHELLO\n3,4\n");
    const CommandRun run = rvntest::runCommand("(" + rvntest::hostCommand() + " < " + rvntest::singleQuoted(typed) + ")");
    EXPECT_NE(run.output.find("The line typed is longer than 65536 bytes: ignored"), std::string::npos) << run.output.substr(0, 300);
    EXPECT_NE(run.output.find("Ciao da 3.00,4.00"), std::string::npos) << run.output.substr(0, 300);
}

TEST(ShellSession, AFileNameThatIsNotUtf8IsRefusedWithItsBytesShown) {
    rvntest::ScratchDir folder;
    const std::string name = (folder.path() / "rete\xFF.inp").string();
    rvntest::writeBytes(name, "[JUNCTIONS]\n");
    const CommandRun run = runHost("calc '" + name + "' --out '" + (folder.path() / "esito\xFE").string() + "'");
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.output.find("rete\\xFF.inp\" is not UTF-8 text"), std::string::npos) << run.output;
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1) << "nothing written";
}

TEST(ShellSession, UsageErrorsNameTheJobAndPointToTheHelp) {
    const CommandRun twoDrawings = runHost("a.dwg b.dwg", "Rivanta.arx");
    EXPECT_EQ(twoDrawings.status, 2);
    EXPECT_TRUE(Printed(twoDrawings, "unknown job \"b.dwg\"\nTry \"rivanta --help\".\n"));
    rvntest::ScratchDir folder;
    const std::filesystem::path file = folder.write("cartella", "not a folder");
    const CommandRun notAFolder = runHost("--program-folder " + rvntest::singleQuoted(file) + " calc x.inp");
    EXPECT_EQ(notAFolder.status, 2);
    EXPECT_TRUE(Printed(notAFolder, "\" is not a folder\nTry \"rivanta --help\".\n"));
    const CommandRun dxfout = runHost("dxfout only-one.dwg");
    EXPECT_EQ(dxfout.status, 2);
    EXPECT_TRUE(Printed(dxfout, "Usage: rivanta dxfout DRAWING OUT.dxf\nTry \"rivanta --help\"."));
}

TEST(ShellSession, ErrorsGoToTheErrorStreamAndTheOutputKeepsTheRest) {
    const std::string host = rvntest::hostCommand();
    const CommandRun both = rvntest::runCommand(host + " dxfout /nonexistent/a.dwg /tmp/a.dxf");
    EXPECT_EQ(both.status, 1);
    EXPECT_NE(both.output.find("** "), std::string::npos) << both.output;
    const CommandRun output = rvntest::runCommand("(" + host + " dxfout /nonexistent/a.dwg /tmp/a.dxf 2>/dev/null)");
    EXPECT_EQ(output.output.find("** "), std::string::npos) << output.output;
    EXPECT_NE(output.output.find("Test plug-in loaded."), std::string::npos) << output.output;
}

TEST(ShellSession, HelpAndMalformedCommandLines) {
    const CommandRun help = runHost("--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.output.find("Usage: rivanta"), std::string::npos);
    for (const char* text : {"RIVANTA_PLUGIN", "dxfout DRAWING OUT", "--open DRAWING", "[DRAWING]", "OPEN, SAVE, SAVEAS",
                             "UNDO", "after a job's name"}) {
        EXPECT_NE(help.output.find(text), std::string::npos) << text;
    }
    EXPECT_EQ(help.output.find("Test plug-in loaded"), std::string::npos);

    const CommandRun badOption = runHost("--frobnicate");
    EXPECT_EQ(badOption.status, 2);
    EXPECT_NE(badOption.output.find("unknown option \"--frobnicate\""), std::string::npos);
    EXPECT_EQ(runHost("run").status, 2);
    const CommandRun missingScript = runHost("run /nonexistent/x.scr");
    EXPECT_EQ(missingScript.status, 2);
    EXPECT_NE(missingScript.output.find("cannot open the script \"/nonexistent/x.scr\""), std::string::npos);
}

TEST(ShellSession, AMissingPluginLeavesAHostWithoutItsCommands) {
    const CommandRun run = runScript("HELLO\n", "NoSuchPlugin.arx");
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.output.find("** Cannot load the plug-in"), std::string::npos) << run.output;
    EXPECT_NE(run.output.find("NoSuchPlugin.arx: cannot open shared object file"), std::string::npos) << "the reason";
    EXPECT_NE(run.output.find("Unknown command \"HELLO\""), std::string::npos);
    EXPECT_EQ(runHost("echo x", "NoSuchPlugin.arx").status, 2);
}

// A copy of the host program in base/relative, away from the sources; the plug-in stays in the build.
class CopiedHost {
public:
    CopiedHost(const std::filesystem::path& base, const std::string& relative) : folder_(base / relative) {
        const std::filesystem::path bin = RVN_BIN_DIR;
        std::filesystem::create_directories(folder_);
        std::filesystem::copy_file(bin / "rivanta", folder_ / "rivanta");
        std::filesystem::create_symlink(bin / "librvnplatform.so", folder_ / "librvnplatform.so");
    }

    CommandRun run(const std::string& arguments, const std::string& plugin) const {
        return rvntest::runCommand("RIVANTA_PLUGIN=" + rvntest::singleQuoted(std::filesystem::path(RVN_BIN_DIR) / plugin) +
                                   " " + rvntest::singleQuoted(folder_ / "rivanta") + " " + arguments);
    }

private:
    std::filesystem::path folder_;
};

TEST(ShellSession, TheProgramFolderIsFoundBesideAnInstalledOrBuiltProgramAndItsAbsenceIsALine) {
    rvntest::ScratchDir base;
    const auto script = base.write("folder.scr", "FOLDER\n");
    const CopiedHost installed(base.path(), "bin");
    const CommandRun none = installed.run("calc --help", "Rivanta.arx");
    EXPECT_EQ(none.status, 0) << none.output;
    EXPECT_EQ(none.output.find("No program folder found: give one with --program-folder DIR.\nUsage: rivanta calc"), 0u)
        << none.output;

    base.write("share/rivanta/examples/rvnsetup.par", "1\n");
    const CommandRun found = installed.run("run '" + script.string() + "'", "TestPlugin.arx");
    EXPECT_TRUE(Printed(found, "Cartella: " + base.path().string() + "/share/rivanta/examples/\n"));

    const CopiedHost built(base.path(), "sources/build/bin");
    base.write("sources/examples/rvnsetup.par", "1\n");
    const CommandRun sources = built.run("run '" + script.string() + "'", "TestPlugin.arx");
    EXPECT_TRUE(Printed(sources, "Cartella: " + base.path().string() + "/sources/examples/\n"));
}

}  // namespace
