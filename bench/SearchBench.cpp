#include <benchmark/benchmark.h>

#include <string>

#include "ai/ExpertSearch.h"
#include "ai/TreeSearch.h"
#include "game/rules/GameState.h"
#include "game/rules/SilentGameObserver.h"

namespace
{

// Positions met with White to move in games between two Hard players. The
// board is drawn top row first: R a Red stone, W a White stone.
struct RecordedPosition
{
    const char* m_name;
    const char* m_rows[9];                  // row 8 first
    int         m_kingRow;
    int         m_kingCol;
    int         m_knights[2];               // Red's, White's
    int         m_hands[2][5];              // Red's, White's; 26 for an empty slot
};

const RecordedPosition g_positions[] = {
    { "opening",
      { ".........", ".........", ".........", "...R.....", ".........", ".........", ".........", ".........",
        "........." },
      5, 3, { 4, 4 }, { { 26, 11, 9, 15, 19 }, { 16, 3, 13, 0, 20 } } },
    { "opening_full_hands",
      { ".........", ".........", ".........", ".........", ".........", ".........", ".........", ".........",
        "........." },
      4, 4, { 4, 4 }, { { 15, 11, 2, 6, 12 }, { 9, 0, 4, 14, 5 } } },
    { "middle",
      { "...R..RW.", "...RRWWWR", ".W...RRW.", "...WRRW..", "...W..R.W", "....R....", "....W....", ".........",
        "........." },
      2, 4, { 3, 4 }, { { 7, 12, 22, 11, 23 }, { 0, 1, 18, 10, 14 } } },
    { "crowded_full_hands",
      { "WW.RRRWRW", "....W.W..", "...WWR.W.", "...RRWW..", "...RRRWW.", "..RWRRRWW", "....RRWRR", "...RWWRWW",
        "..R.WWRRR" },
      1, 3, { 1, 2 }, { { 11, 22, 8, 16, 18 }, { 4, 10, 14, 6, 0 } } },
};

CSilentGameObserver g_observer;

unsigned NoSeconds()
{
    return 0;
}

void SetUp(const RecordedPosition& position, CGameState& game)
{
    for (int row = 0; row < BoardSize; ++row)
    {
        for (int column = 0; column < BoardSize; ++column)
        {
            const char cell = position.m_rows[BoardSize - 1 - row][column];
            game.m_board[row * BoardSize + column] = cell == 'R' ? Red : cell == 'W' ? White : EmptyCell;
        }
    }
    game.m_kingRow = position.m_kingRow;
    game.m_kingCol = position.m_kingCol;
    game.m_current = White;
    for (PlayerID player : { Red, White })
    {
        game.m_players[player].m_knights = position.m_knights[player];
        for (int slot = 0; slot < HandSize; ++slot)
            game.m_players[player].m_hand[slot] = position.m_hands[player][slot];
    }
    game.ComputeScores(game.m_board, game.m_players[Red].m_score, game.m_players[White].m_score);
    game.UpdateMoves();
}

void Decide(benchmark::State& state, int difficulty, const RecordedPosition* position)
{
    CGameState game(&g_observer, NoSeconds);
    SetUp(*position, game);
    CTreeSearch search(difficulty);
    double nodes = 0.0;
    for (auto _ : state)
    {
        benchmark::DoNotOptimize(search.ChooseAction(game));
        nodes += static_cast<double>(search.Nodes());
    }
    state.counters["nodes"] = benchmark::Counter(nodes, benchmark::Counter::kAvgIterations);
    state.counters["nodes_per_s"] = benchmark::Counter(nodes, benchmark::Counter::kIsRate);
}

// The Expert's pile is the fourteen cards in neither hand: none is played here.
void DecideExpert(benchmark::State& state, const RecordedPosition* position)
{
    CGameState game(&g_observer, NoSeconds);
    SetUp(*position, game);
    CExpertSearch search(0);
    double nodes = 0.0;
    for (auto _ : state)
    {
        benchmark::DoNotOptimize(search.ChooseAction(game));
        nodes += static_cast<double>(search.Nodes());
    }
    state.counters["nodes"] = benchmark::Counter(nodes, benchmark::Counter::kAvgIterations);
}

} // namespace

int main(int argc, char** argv)
{
    const char* const levels[] = { "Easy", "Medium", "Hard" };
    for (int difficulty = 1; difficulty <= 3; ++difficulty)
    {
        for (const RecordedPosition& position : g_positions)
        {
            const std::string name = std::string("ChooseAction/") + levels[difficulty - 1] + "/" + position.m_name;
            benchmark::RegisterBenchmark(name.c_str(), Decide, difficulty, &position)->Unit(benchmark::kMicrosecond);
        }
    }
    for (const RecordedPosition& position : g_positions)
    {
        const std::string name = std::string("ChooseAction/Expert/") + position.m_name;
        benchmark::RegisterBenchmark(name.c_str(), DecideExpert, &position)->Unit(benchmark::kMillisecond);
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
