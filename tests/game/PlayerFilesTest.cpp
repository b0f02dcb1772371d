#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "engine/Log.h"
#include "game/GameArchive.h"
#include "game/Settings.h"
#include "game/rules/RecordFormat.h"
#include "tests/resources/TestFiles.h"

namespace
{

namespace fs = std::filesystem;

class PlayerFilesTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const char* temporary = std::getenv("TEST_TMPDIR");
        m_folder = std::string(temporary ? temporary : "/tmp/") + "player-files";
        fs::remove_all(m_folder);
        fs::create_directories(m_folder + "/state");
        fs::create_directories(m_folder + "/data");
        m_log = m_folder + "/log_general.log";
        g_generalLog.Open(m_log.c_str());
    }

    std::string Save() const { return m_folder + "/state/current-game.record"; }

    std::string m_folder;                   // emptied before each test
    std::string m_log;                      // the general log of the test
};

const std::string kHead = "valdmoor-record 1\nred person\nwhite computer 2\ndeal 7\n";

// Each refusal: one line in the log naming the file, the line and the cause,
// the file kept under a new name, and no game offered.
TEST_F(PlayerFilesTest, ASaveThatCannotBeUsedIsRefusedAndSetAside)
{
    const struct
    {
        std::string text;
        std::string where;                  // ", line N" or nothing
        std::string cause;
    } cases[] = {
        {"valdmoor-record 1\nred person\n", ", line 3", "the record ends before White's seat"},
        {kHead + "red play 9\n", ", line 5",
         "expected an action (\"red play 3\", \"white draw\", \"red skip\") or \"result <red> <white>\""},
        {"valdmoor-record 7\n", ", line 1", "written by a newer Valdmoor (format 7; this one reads format 1)"},
        {kHead + std::string(5000, 'x') + "\n", ", line 5", "line longer than 100 characters"},
        {std::string(3000000, '\n'), "", "larger than 65536 bytes, far more than it can hold"},
        {std::string("\x7f" "ELF\x02\x01\x01", 7), ", line 1", "not text (a byte that no record holds)"},
        {kHead + "red play 1\nred play 2\n", ", line 6",
         "\"red play 2\" is against the rules here (it is not that side's turn)"},
    };
    int number = 0;
    for (const auto& faulty : cases)
    {
        WriteFile(Save(), faulty.text);
        CGameArchive archive(m_folder + "/state", m_folder + "/data");
        GameRecord record;
        std::string message;
        EXPECT_FALSE(archive.LoadCurrent(record, message)) << faulty.cause;
        const std::string aside = Save() + ".refused" + (number++ ? "-" + std::to_string(number) : "");
        EXPECT_EQ(message, Save() + faulty.where + ": " + faulty.cause + "; kept as " + aside);
        EXPECT_EQ(ReadFile(aside), faulty.text) << faulty.cause;
        EXPECT_FALSE(fs::exists(Save())) << faulty.cause;
        EXPECT_NE(ReadFile(m_log).find("Error: " + message + "\n"), std::string::npos) << faulty.cause;
    }
}

// A FIFO would block a plain open, a folder cannot be read as text.
TEST_F(PlayerFilesTest, OnlyARegularFileIsReadAsASave)
{
    ASSERT_EQ(mkfifo(Save().c_str(), 0600), 0);
    CGameArchive archive(m_folder + "/state", m_folder + "/data");
    GameRecord record;
    std::string message;
    EXPECT_FALSE(archive.LoadCurrent(record, message));
    EXPECT_EQ(message, Save() + ": not a regular file; kept as " + Save() + ".refused");

    fs::create_directory(Save());
    EXPECT_FALSE(archive.LoadCurrent(record, message));
    EXPECT_EQ(message, Save() + ": not a regular file; kept as " + Save() + ".refused-2");
}

TEST_F(PlayerFilesTest, ASavedGameReadsBackAndFinishedGamesKeepTheLastHundred)
{
    GameRecord game = NewRecord(PersonLevel, 2, 7);
    game.m_actions.push_back(GameAction{Red, PlayAction, 0, false, 0});
    CGameArchive archive(m_folder + "/state", m_folder + "/data");
    archive.SaveCurrent(game);
    GameRecord read;
    std::string message;
    ASSERT_TRUE(archive.LoadCurrent(read, message)) << message;
    EXPECT_EQ(RecordText(read), RecordText(game));
    archive.ForgetCurrent();
    EXPECT_FALSE(archive.LoadCurrent(read, message));
    EXPECT_EQ(message, "");

    for (int kept = 0; kept < 103; ++kept)
        archive.Keep(game);
    int count = 0;
    for (const auto& entry : fs::directory_iterator(archive.GamesFolder()))
        count += entry.path().extension() == ".record";
    EXPECT_EQ(count, 100);
    EXPECT_FALSE(fs::exists(archive.GamesFolder() + "/000003.record"));
    EXPECT_TRUE(fs::exists(archive.GamesFolder() + "/000004.record"));
    EXPECT_TRUE(fs::exists(archive.GamesFolder() + "/000103.record"));
}

// A run that opened a record for review never offered the saved game; its
// own first game must not write over that one.
TEST_F(PlayerFilesTest, ASaveNeverOfferedIsKeptBeforeItIsReplaced)
{
    GameRecord left = NewRecord(PersonLevel, 1, 7);
    left.m_actions.push_back(GameAction{Red, PlayAction, 2, false, 0});
    CGameArchive(m_folder + "/state", m_folder + "/data").SaveCurrent(left);

    CGameArchive archive(m_folder + "/state", m_folder + "/data");
    archive.ForgetCurrent();
    EXPECT_EQ(ReadFile(archive.GamesFolder() + "/000001.record"), RecordText(left));
    EXPECT_FALSE(fs::exists(Save()));
}

// The file is rewritten whole after every game, and a broken one only costs
// the counts it held.
TEST_F(PlayerFilesTest, ResultsAreCountedPerLevelAndABrokenFileStartsThemAfresh)
{
    {
        CGameArchive archive(m_folder + "/state", m_folder + "/data");
        archive.CountResult(3, 70, 24);
        archive.CountResult(3, 20, 31);
        archive.CountResult(PersonLevel, 12, 40);
    }
    CGameArchive archive(m_folder + "/state", m_folder + "/data");
    EXPECT_EQ(archive.m_results.Summary(3), "won 1, lost 1, drawn 0, best margin 46");
    EXPECT_EQ(archive.m_results.Summary(PersonLevel), "Red won 0, White won 1, drawn 0, best margin 28");
    EXPECT_EQ(archive.m_results.Summary(1), "");

    const std::string results = m_folder + "/data/results.txt";
    WriteFile(results, "valdmoor-results 1\nlevel 3 won 1 lost -1 drawn 0 best 46\n");
    CGameArchive broken(m_folder + "/state", m_folder + "/data");
    EXPECT_EQ(broken.m_loadMessage, results +
                                        ", line 2: expected \"level <0-4> won <n> lost <n> drawn <n> best <n>\"; "
                                        "kept as " + results + ".refused");
    EXPECT_EQ(broken.m_results.Summary(3), "");
}

TEST_F(PlayerFilesTest, SettingsReadBackAndABadOneLeavesTheDefaults)
{
    const std::string path = m_folder + "/settings.conf";
    CSettings settings;
    settings.m_path = path;
    settings.m_windowWidth = 800;
    settings.m_windowHeight = 640;
    settings.m_fullScreen = true;
    settings.m_difficulty = 2;
    std::string error;
    ASSERT_TRUE(settings.Save(error)) << error;
    EXPECT_EQ(ReadFile(path), "valdmoor-settings 1\nwindow 800 640\nfullscreen yes\ndifficulty 2\n");

    CSettings read;
    read.Load(path);
    EXPECT_EQ(read.Text(), settings.Text());
    EXPECT_EQ(read.m_loadMessage, "");

    WriteFile(path, "valdmoor-settings 1\nwindow 800 99999\n");
    CSettings bad;
    bad.Load(path);
    EXPECT_EQ(bad.m_windowWidth, 0);
    EXPECT_EQ(bad.m_loadMessage, path + ", line 2: expected \"window <width> <height>\", \"fullscreen yes\" or "
                                        "\"no\", or \"difficulty <1-4>\"; kept as " + path + ".refused");
}

} // namespace
