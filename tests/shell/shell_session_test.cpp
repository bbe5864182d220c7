#include "temp_folder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <sys/wait.h>

namespace {

const std::string kBin = RVN_BIN_DIR;

struct HostRun {
    int status = -1;
    std::string output;  // standard output and error together
};

// Runs the host program with the plug-in module of that name and the arguments (already quoted).
HostRun runHost(const std::string& plugin, const std::string& arguments) {
    const std::string command = "RIVANTA_PLUGIN='" + kBin + "/" + plugin + "' '" + kBin + "/rivanta' " + arguments +
                                " </dev/null 2>&1";
    HostRun run;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return run;
    char buffer[4096];
    while (const std::size_t read = std::fread(buffer, 1, sizeof buffer, pipe)) run.output.append(buffer, read);
    const int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

HostRun runScript(const std::string& script, const std::string& plugin = "TestPlugin.arx") {
    rvntest::TempFolder folder;
    const auto path = folder.write("test.scr", script);
    return runHost(plugin, "run '" + path.string() + "'");
}

TEST(ShellSession, ScriptRunsCommandsAndAnswersTheirPrompts) {
    const HostRun run = runScript("HELLO\n10,20\nhello\nFine\n_hello\n*Cancel*\n");
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

TEST(ShellSession, TheProgramFolderIsALispSymbolEndingWithASeparator) {
    rvntest::TempFolder folder;
    const auto script = folder.write("folder.scr", "FOLDER\n");
    const HostRun given = runHost("TestPlugin.arx", "--program-folder '" + folder.path().string() + "' run '" +
                                                        script.string() + "'");
    EXPECT_NE(given.output.find("Cartella: " + folder.path().string() + "/\n"), std::string::npos) << given.output;
    const HostRun found = runHost("TestPlugin.arx", "run '" + script.string() + "'");
    EXPECT_NE(found.output.find("Cartella: " + std::string(RVN_SOURCE_DIR) + "/examples/\n"), std::string::npos)
        << found.output;
    const HostRun missing = runHost("TestPlugin.arx", "--program-folder /nonexistent run '" + script.string() + "'");
    EXPECT_EQ(missing.status, 2);
    EXPECT_NE(missing.output.find("\"/nonexistent\" does not exist"), std::string::npos);
}

TEST(ShellSession, UnknownCommandsAndMalformedLinesAreReportedAndFailTheScript) {
    const HostRun run = runScript("NOSUCHCOMMAND\nHELLO\n1,1\nnot a command\nCOMMANDS\n");
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.output.find("Unknown command \"NOSUCHCOMMAND\""), std::string::npos) << run.output;
    EXPECT_NE(run.output.find("Ciao da 1.00,1.00"), std::string::npos);
    EXPECT_NE(run.output.find("** Not a command: \"not a command\""), std::string::npos);
    EXPECT_NE(run.output.find("RVN_TEST  LEAKY"), std::string::npos);
}

TEST(ShellSession, AScriptEndingInsideACommandCancelsItWithAnError) {
    const HostRun run = runScript("HELLO\n");
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.output.find("** No more input in the script"), std::string::npos) << run.output;
    EXPECT_NE(run.output.find("Nessun punto (-5002)"), std::string::npos);
}

TEST(ShellSession, AnObjectLeftOpenIsReported) {
    const HostRun run = runScript("LEAKY\nQUIT\nHELLO\n");
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.output.find("** "), std::string::npos) << run.output;
    EXPECT_NE(run.output.find("AcDbDictionary"), std::string::npos) << run.output;
    EXPECT_EQ(run.output.find("Punto"), std::string::npos);  // QUIT ended the session
}

TEST(ShellSession, MessageBoxesAreAnsweredFromTheScript) {
    const HostRun run = runScript("ASK\nno\nASK\n\n");
    EXPECT_EQ(run.status, 0) << run.output;
    EXPECT_NE(run.output.find("[question] Messaggio Prova: Continuare?\nYes/No <Yes>: no\nCi si ferma"),
              std::string::npos)
        << run.output;
    EXPECT_NE(run.output.find("Si continua"), std::string::npos);
}

TEST(ShellSession, JobsAreHandedToThePlugin) {
    const HostRun echo = runHost("TestPlugin.arx", "echo a 'b c'");
    EXPECT_EQ(echo.status, 0);
    EXPECT_NE(echo.output.find("a b c\n"), std::string::npos) << echo.output;
    EXPECT_EQ(runHost("TestPlugin.arx", "fail").status, 3);
    const HostRun noJobs = runHost("TestPluginNoJobs.arx", "calc rete.ptv");
    EXPECT_EQ(noJobs.status, 2);
    EXPECT_NE(noJobs.output.find("unknown command \"calc\""), std::string::npos) << noJobs.output;
}

TEST(ShellSession, HelpAndMalformedCommandLines) {
    const HostRun help = runHost("TestPlugin.arx", "--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.output.find("Usage: rivanta"), std::string::npos);
    EXPECT_NE(help.output.find("RIVANTA_PLUGIN"), std::string::npos);
    EXPECT_EQ(help.output.find("Test plug-in loaded"), std::string::npos);

    const HostRun badOption = runHost("TestPlugin.arx", "--frobnicate");
    EXPECT_EQ(badOption.status, 2);
    EXPECT_NE(badOption.output.find("unknown option \"--frobnicate\""), std::string::npos);
    EXPECT_EQ(runHost("TestPlugin.arx", "run").status, 2);
    const HostRun missingScript = runHost("TestPlugin.arx", "run /nonexistent/x.scr");
    EXPECT_EQ(missingScript.status, 2);
    EXPECT_NE(missingScript.output.find("cannot open the script \"/nonexistent/x.scr\""), std::string::npos);
}

TEST(ShellSession, AMissingPluginLeavesAHostWithoutItsCommands) {
    const HostRun run = runScript("HELLO\n", "NoSuchPlugin.arx");
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.output.find("** Cannot load the plug-in"), std::string::npos) << run.output;
    EXPECT_NE(run.output.find("Unknown command \"HELLO\""), std::string::npos);
    EXPECT_EQ(runHost("NoSuchPlugin.arx", "echo x").status, 2);
}

}  // namespace
