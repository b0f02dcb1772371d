#include "tools/arena/ArenaGame.h"

#include <chrono>
#include <utility>

#include "ai/ExpertSearch.h"
#include "ai/TreeSearch.h"
#include "game/rules/Card.h"
#include "game/rules/SilentGameObserver.h"
#include "game/rules/GameState.h"
#include "game/rules/Replay.h"

namespace
{

std::uint32_t g_gameSeed = 0;               // what every shuffle of the game being played is seeded with

unsigned GameSeed()
{
    return g_gameSeed;
}

// Nothing to show; the arena only needs to know of refusals.
class CArenaObserver : public CSilentGameObserver
{
public:
    void OnStatus(const std::string& text) override { m_status = text; }

    std::string m_status;                   // the last status text
};

// The search plays White; Red's view is the same game with the colours exchanged.
CGameState Exchanged(const CGameState& game)
{
    CGameState exchanged = game;
    std::swap(exchanged.m_players[Red], exchanged.m_players[White]);
    for (int& cell : exchanged.m_board)
    {
        if (cell != EmptyCell)
            cell = Opponent(static_cast<PlayerID>(cell));
    }
    exchanged.m_current = Opponent(game.m_current);
    return exchanged;
}

// One side's computer: the reference search at levels 1 to 3, the Expert at 4.
class CArenaPlayer
{
public:
    CArenaPlayer(int level, std::uint32_t seed) : m_level(level), m_tree(level), m_expert(seed) {}

    Decision ChooseAction(const CGameState& view)
    {
        return m_level == ExpertLevel ? m_expert.ChooseAction(view) : m_tree.ChooseAction(view);
    }

private:
    int           m_level;                  // 1..4
    CTreeSearch   m_tree;                   // plays levels 1 to 3
    CExpertSearch m_expert;                 // plays level 4, its stream seeded by the game's seed
};

const char* SideName(PlayerID player)
{
    return player == Red ? "Red" : "White";
}

int LowestEmptySlot(const PlayerState& player)
{
    for (int slot = 0; slot < HandSize; ++slot)
    {
        if (player.m_hand[slot] == NoCard)
            return slot;
    }
    return -1;
}

// Makes the side's decided action in the game, as the window's games make
// theirs, adds it to the record and, with a trace, writes its line: the
// drawn card is the one that lands in the lowest empty slot.
void Apply(CGameState& state, PlayerID player, const Decision& decision, GameRecord& record, std::ostream* trace,
           int move)
{
    const int drawSlot = LowestEmptySlot(state.m_players[player]);
    const int card = decision.m_kind == Decision::Play ? state.m_players[player].m_hand[decision.m_slot] : NoCard;
    const ActionKind kinds[] = {PlayAction, DrawAction, SkipAction};
    GameAction action{player, kinds[decision.m_kind], decision.m_kind == Decision::Play ? decision.m_slot : -1,
                      false, 0};
    if (!TakeAction(state, action))
        return;
    record.m_actions.push_back(action);
    if (!trace)
        return;
    *trace << move << ' ' << SideName(player);
    if (action.m_kind == PlayAction)
        *trace << " play " << action.m_slot + 1 << ' ' << card << '\n';
    else if (action.m_kind == DrawAction)
        *trace << " draw " << state.m_players[player].m_hand[drawSlot] << '\n';
    else
        *trace << " skip\n";
}

} // namespace

bool PlayArenaGame(int redLevel, int whiteLevel, std::uint32_t seed, bool trace, std::ostream& out,
                   ArenaGame& game, std::string& error)
{
    g_gameSeed = seed;
    CArenaObserver observer;
    CGameState state(&observer, GameSeed);
    CArenaPlayer players[2] = { CArenaPlayer(redLevel, seed), CArenaPlayer(whiteLevel, seed) };
    game.m_decisions[Red].clear();
    game.m_decisions[White].clear();

    state.NewGame();
    game.m_record = NewRecord(redLevel, whiteLevel, state.m_deck.m_lastSeed);
    for (int move = 1; !state.IsOver(); ++move)
    {
        const PlayerID player = state.m_current;
        const CGameState view = player == White ? state : Exchanged(state);
        const auto start = std::chrono::steady_clock::now();
        const Decision decision = players[player].ChooseAction(view);
        const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
        game.m_decisions[player].push_back(took.count());

        Apply(state, player, decision, game.m_record, trace ? &out : nullptr, move);
        if (!observer.m_status.empty())
        {
            error = std::string("move ") + std::to_string(move) + " of " + SideName(player) +
                    " was refused: " + observer.m_status;
            return false;
        }
    }

    game.m_score[Red] = state.m_players[Red].m_score;
    game.m_score[White] = state.m_players[White].m_score;
    game.m_record.m_finished = true;
    game.m_record.m_scores[Red] = game.m_score[Red];
    game.m_record.m_scores[White] = game.m_score[White];
    if (trace)
        out << "end " << game.m_score[Red] << ' ' << game.m_score[White] << '\n';
    return true;
}
