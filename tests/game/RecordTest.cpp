#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/rules/GameRecord.h"
#include "game/rules/GameState.h"
#include "game/rules/RecordFormat.h"
#include "game/rules/Replay.h"
#include "game/rules/SilentGameObserver.h"
#include "tests/game/TestGame.h"

namespace
{

// Each shuffle of a game seeded a second later than the one before, so that
// a refill's shuffle differs from the deal's.
unsigned g_nextSecond = 0;

unsigned NextSecond()
{
    return g_nextSecond++;
}

// Plays a whole game by a fixed habit that varies with the game's number:
// the slots are looked at from one that moves on every turn, and the first
// playable card is played, or an empty slot drawn into; with neither, the
// mover skips. Returns the record; game holds the final position.
GameRecord PlayWholeGame(unsigned number, CGameState& game)
{
    g_nextSecond = number * 7;
    game.NewGame();
    GameRecord record = NewRecord(PersonLevel, PersonLevel, game.m_deck.m_lastSeed);
    for (unsigned turn = 0; !game.IsOver(); ++turn)
    {
        const PlayerState& mover = game.m_players[game.m_current];
        GameAction action{game.m_current, SkipAction, -1, false, 0};
        for (int step = 0; step < HandSize && action.m_kind == SkipAction; ++step)
        {
            const int slot = static_cast<int>((turn + number + step) % HandSize);
            if (mover.m_hand[slot] == NoCard)
                action.m_kind = DrawAction;
            else if (mover.m_playable[slot])
                action = GameAction{game.m_current, PlayAction, slot, false, 0};
        }
        EXPECT_TRUE(TakeAction(game, action)) << "game " << number << ", turn " << turn;
        record.m_actions.push_back(action);
    }
    record.m_finished = true;
    record.m_scores[Red] = game.m_players[Red].m_score;
    record.m_scores[White] = game.m_players[White].m_score;
    return record;
}

// A record that must be refused, at the line and for the cause given.
struct FaultyRecord
{
    std::string text;
    int         line;
    std::string cause;
};

const std::string head = "valdmoor-record 1\nred person\nwhite person\ndeal 5\n";

TEST(RecordFormat, WritesEveryKindOfLineAndReadsThemBack)
{
    GameRecord record = NewRecord(PersonLevel, 3, 1733592000u);
    record.m_actions = {{Red, PlayAction, 2, false, 0}, {White, DrawAction, -1, false, 0},
                        {Red, DrawAction, -1, true, 4294967295u}, {White, SkipAction, -1, false, 0}};
    record.m_finished = true;
    record.m_scores[Red] = 70;
    record.m_scores[White] = 24;
    const std::string text = "valdmoor-record 1\nred person\nwhite computer 3\ndeal 1733592000\nred play 3\n"
                             "white draw\nred draw shuffle 4294967295\nwhite skip\nresult 70 24\n";
    EXPECT_EQ(RecordText(record), text);

    GameRecord read;
    RecordError error{0, ""};
    const std::string commented = "valdmoor-record 1\r\n# a comment\n" + text.substr(text.find('\n') + 1) + "\n";
    ASSERT_TRUE(ParseRecord(commented, read, error)) << error.m_cause;
    EXPECT_EQ(RecordText(read), text);
    EXPECT_EQ(read.m_actionLines, std::vector<int>({6, 7, 8, 9}));
    EXPECT_EQ(read.m_resultLine, 10);
}

// Games long enough to run through the draw pile, so refills are replayed.
TEST(Replay, TwoHundredGamesReplayFromTheirTextToTheSamePositionAndScores)
{
    int refills = 0;
    for (unsigned number = 0; number < 200; ++number)
    {
        CSilentGameObserver silent;
        CGameState played(&silent, NextSecond);
        const GameRecord record = PlayWholeGame(number, played);
        GameRecord read;
        RecordError error{0, ""};
        ASSERT_TRUE(ParseRecord(RecordText(record), read, error)) << number << ": " << error.m_cause;
        ASSERT_TRUE(CheckRecord(read, error)) << number << ", line " << error.m_line << ": " << error.m_cause;

        CGameState replayed(&silent, NextSecond);
        ASSERT_TRUE(Replay(read, read.m_actions.size(), replayed, error));
        EXPECT_EQ(WholePosition(replayed), WholePosition(played)) << "game " << number;
        for (const GameAction& action : record.m_actions)
            refills += action.m_shuffled;
    }
    EXPECT_GT(refills, 100);
}

TEST(RecordFormat, AFaultyRecordIsRefusedAtItsLineWithItsCause)
{
    const FaultyRecord cases[] = {
        {"", 1, "the record ends before the version line"},
        {"valdmoor-record 1\nred person\n", 3, "the record ends before White's seat"},
        {"PK\x03\x04", 1, "not text (a byte that no record holds)"},
        {"hello\n", 1, "not a Valdmoor game record (the first line is not \"valdmoor-record 1\")"},
        {"valdmoor-record 2\n", 1, "written by a newer Valdmoor (format 2; this one reads format 1)"},
        {"valdmoor-record 1\nred robot\n", 2, "expected \"red person\" or \"red computer <level 1 to 4>\""},
        {"valdmoor-record 1\nred person\nwhite computer 9\n", 3,
         "expected \"white person\" or \"white computer <level 1 to 4>\""},
        {"valdmoor-record 1\nred person\nwhite person\ndeal 99999999999\n", 4, "expected \"deal <seed>\""},
        {head + "red play 6\n", 5,
         "expected an action (\"red play 3\", \"white draw\", \"red skip\") or \"result <red> <white>\""},
        {head + "red play " + std::string(200, '1') + "\n", 5, "line longer than 100 characters"},
        {head + "result 0 0\nred skip\n", 6, "a line after the result"},
        {std::string(RecordMaxBytes + 1, '\n'), 0, "larger than 65536 bytes, far more than any game"},
    };
    for (const auto& faulty : cases)
    {
        GameRecord record;
        RecordError error{-1, ""};
        EXPECT_FALSE(ParseRecord(faulty.text, record, error)) << faulty.cause;
        EXPECT_EQ(error.m_line, faulty.line) << faulty.cause;
        EXPECT_EQ(error.m_cause, faulty.cause);
    }
}

// The form is sound in all of them; the rules find the fault.
TEST(Replay, AnActionTheRulesRefuseIsNamedAtItsLine)
{
    const FaultyRecord cases[] = {
        {head + "white draw\n", 5, "\"white draw\" is against the rules here (it is not that side's turn)"},
        {head + "red play 1\nred play 2\n", 6, "\"red play 2\" is against the rules here (it is not that side's turn)"},
        {head + "red skip\n", 5, "\"red skip\" is against the rules here (the rules refuse it)"},
        {head + "red draw shuffle 3\n", 5, "\"red draw\" is against the rules here (the rules refuse it)"},
        {head + "red play 1\nresult 1 0\n", 6, "the result is written before the game is over"},
    };
    for (const auto& faulty : cases)
    {
        GameRecord record;
        RecordError error{-1, ""};
        ASSERT_TRUE(ParseRecord(faulty.text, record, error)) << error.m_cause;
        EXPECT_FALSE(CheckRecord(record, error)) << faulty.cause;
        EXPECT_EQ(error.m_line, faulty.line) << faulty.cause;
        EXPECT_EQ(error.m_cause, faulty.cause);
    }
}

// A seed written on a draw that did not empty the pile, or left off one that
// did, would deal a different game from then on.
TEST(Replay, AShuffleMustBeWrittenExactlyWhereTheDrawPileRanOut)
{
    CSilentGameObserver silent;
    CGameState game(&silent, NextSecond);
    const GameRecord played = PlayWholeGame(3, game);
    GameRecord record;
    RecordError error{0, ""};
    ASSERT_TRUE(ParseRecord(RecordText(played), record, error));
    std::size_t plain = 0;
    while (record.m_actions[plain].m_kind != DrawAction)
        ++plain;
    std::size_t shuffled = 0;
    while (!record.m_actions[shuffled].m_shuffled)
        ++shuffled;

    GameRecord seedless = record;
    seedless.m_actions[shuffled].m_shuffled = false;
    EXPECT_FALSE(CheckRecord(seedless, error));
    EXPECT_EQ(error.m_line, record.m_actionLines[shuffled]);
    EXPECT_EQ(error.m_cause, "the draw emptied the pile, but no shuffle seed is written");

    GameRecord extra = record;
    extra.m_actions[plain].m_shuffled = true;
    EXPECT_FALSE(CheckRecord(extra, error));
    EXPECT_EQ(error.m_line, record.m_actionLines[plain]);
    EXPECT_EQ(error.m_cause, "a shuffle is written where the draw pile was not empty");
}

} // namespace
