#include "frame/help.h"
#include "frame/help_topics.h"
#include "html_help.h"
#include "plugin_folder.h"
#include "transcript.h"

#include <gtest/gtest.h>

namespace {

TEST(Help, TopicsOpenFromTheHelpFileInThePluginFolder) {
    rvntest::PluginFolderFixture plugin;
    ASSERT_TRUE(plugin.ready());
    rvnos::clearShownHelpTopics();

    // Without the help file nothing happens.
    OpenHelpTopic(TzRvnHelpTopic::kInsertNode);
    EXPECT_TRUE(rvnos::shownHelpTopics().empty());

    std::filesystem::create_directories(plugin.path() / "Help");
    std::ofstream(plugin.path() / "Help" / "TZHelp.chm") << "ITSF";
    OpenHelpTopic(TzRvnHelpTopic::kProfileCreation);
    OpenHelpTopic(TzRvnHelpTopic::kManholeArchive);
    ASSERT_EQ(rvnos::shownHelpTopics().size(), 2u);
    EXPECT_EQ(rvnos::shownHelpTopics()[0],
              plugin.widePath() + L"/Help/TZHelp.chm::/Rivanta e Reti in Pressione\\Genera Profili.htm");
    EXPECT_EQ(rvnos::shownHelpTopics()[1],
              plugin.widePath() + L"/Help/TZHelp.chm::/Comando_Archivio_Pozzetti_della_Rete_arporet_.htm");
    rvnos::clearShownHelpTopics();
}

TEST(Help, WithoutARecordedModuleTheProgramFolderIsThePluginFolder) {
    RecordModuleInstance(nullptr);
    EXPECT_EQ(HelpTopicRequest(L"a.htm"), rvnos::fromUtf8(RVN_BIN_DIR) + L"/Help/TZHelp.chm::/a.htm");
}

}  // namespace
