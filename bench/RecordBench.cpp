#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdlib>
#include <string>

#include "game/GameArchive.h"
#include "game/Match.h"
#include "game/rules/Card.h"
#include "game/rules/Replay.h"
#include "game/rules/SilentGameObserver.h"

namespace
{

const std::size_t kActions = 120;

unsigned g_second = 0;

unsigned NextSecond()
{
    return g_second++;
}

// The first 120 actions of a game between two people who play their first
// playable card, else draw, else skip.
GameRecord PlayedGame()
{
    CSilentGameObserver silent;
    CGameState game(&silent, NextSecond);
    game.NewGame();
    GameRecord record = NewRecord(PersonLevel, PersonLevel, game.m_deck.m_lastSeed);
    for (unsigned turn = 0; record.m_actions.size() < kActions && !game.IsOver(); ++turn)
    {
        const PlayerState& mover = game.m_players[game.m_current];
        GameAction action{game.m_current, SkipAction, -1, false, 0};
        for (int step = 0; step < HandSize && action.m_kind == SkipAction; ++step)
        {
            const int slot = static_cast<int>((turn + step) % HandSize);
            if (mover.m_hand[slot] == NoCard)
                action.m_kind = DrawAction;
            else if (mover.m_playable[slot])
                action = GameAction{game.m_current, PlayAction, slot, false, 0};
        }
        TakeAction(game, action);
        record.m_actions.push_back(action);
    }
    return record;
}

// Ctrl+Z on a game of 120 actions: the position is dealt again and 119
// actions replayed, the screen told of each.
void TakeBack(benchmark::State& state)
{
    CSilentGameObserver screen;
    CMatch match(&screen, NextSecond);
    if (!match.Resume(PlayedGame()))
        state.SkipWithError("the game does not replay");
    for (auto _ : state)
    {
        match.TakeBack();
        match.PutBack();
    }
    state.counters["actions"] = static_cast<double>(match.m_record.m_actions.size());
    state.SetLabel("a take-back and a redo per iteration");
}

// The start of a run that takes up the game: the save read from the disk,
// checked by replaying it, and the position rebuilt.
void Resume(benchmark::State& state)
{
    char folder[] = "/tmp/valdmoor-bench-XXXXXX";
    if (!mkdtemp(folder))
        state.SkipWithError("no temporary folder");
    CGameArchive archive(folder, "");
    archive.SaveCurrent(PlayedGame());
    for (auto _ : state)
    {
        GameRecord record;
        std::string message;
        CSilentGameObserver screen;
        CMatch match(&screen, NextSecond);
        if (!archive.LoadCurrent(record, message) || !match.Resume(record))
            state.SkipWithError("the save does not resume");
        benchmark::DoNotOptimize(match.m_state.m_current);
    }
    archive.ForgetCurrent();
    rmdir(folder);
}

} // namespace

BENCHMARK(TakeBack)->Unit(benchmark::kMicrosecond);
BENCHMARK(Resume)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
