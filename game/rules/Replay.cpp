#include "game/rules/Replay.h"

#include <string>

#include "game/rules/GameState.h"
#include "game/rules/SilentGameObserver.h"

namespace
{

unsigned NoClock()
{
    return 0;
}

// Every action the rules accept passes the move to the other side; a refused
// one leaves it where it was. A card played for the side not to move is the
// rules' to refuse, with their own message; a draw or skip names no side to them.
bool Apply(CGameState& game, const GameAction& action)
{
    const PlayerID mover = game.m_current;
    if (action.m_kind == PlayAction)
        game.PlayCard(action.m_side, action.m_slot);
    else if (action.m_side != mover)
        return false;
    else if (action.m_kind == DrawAction)
        game.DrawCard();
    else
        game.SkipTurn();
    return game.m_current != mover;
}

} // namespace

bool TakeAction(CGameState& game, GameAction& action)
{
    const unsigned shuffles = game.m_deck.m_shuffles;
    if (!Apply(game, action))
        return false;
    action.m_shuffled = game.m_deck.m_shuffles != shuffles;
    action.m_seed = action.m_shuffled ? game.m_deck.m_lastSeed : 0;
    return true;
}

bool Replay(const GameRecord& record, std::size_t count, CGameState& game, RecordError& error)
{
    game.m_deck.SeedNextShuffle(record.m_dealSeed);
    game.NewGame();
    for (std::size_t index = 0; index < count && index < record.m_actions.size(); ++index)
    {
        const GameAction& action = record.m_actions[index];
        const int line = index < record.m_actionLines.size() ? record.m_actionLines[index] : 0;
        if (action.m_shuffled)
            game.m_deck.SeedNextShuffle(action.m_seed);
        const unsigned shuffles = game.m_deck.m_shuffles;
        if (!Apply(game, action))
        {
            error = {line, "\"" + ActionWords(action) + "\" is against the rules here (" +
                               (action.m_side == game.m_current ? "the rules refuse it" : "it is not that side's turn") +
                               ")"};
            return false;
        }
        if (action.m_shuffled != (game.m_deck.m_shuffles != shuffles))
        {
            error = {line, action.m_shuffled ? "a shuffle is written where the draw pile was not empty"
                                             : "the draw emptied the pile, but no shuffle seed is written"};
            return false;
        }
    }
    return true;
}

bool CheckRecord(const GameRecord& record, RecordError& error)
{
    CSilentGameObserver silent;
    CGameState game(&silent, NoClock);
    if (!Replay(record, record.m_actions.size(), game, error))
        return false;
    if (!record.m_finished)
        return true;
    if (!game.IsOver())
    {
        error = {record.m_resultLine, "the result is written before the game is over"};
        return false;
    }
    if (record.m_scores[Red] != game.m_players[Red].m_score || record.m_scores[White] != game.m_players[White].m_score)
    {
        error = {record.m_resultLine, "the result does not match the moves (they score " +
                                          std::to_string(game.m_players[Red].m_score) + " to " +
                                          std::to_string(game.m_players[White].m_score) + ")"};
        return false;
    }
    return true;
}
