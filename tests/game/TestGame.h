#pragma once

// Shared by the rules and the search tests: an observer that writes down
// what the screen would be told, a fixed shuffle second, and position set-up.

#include <string>
#include <utility>
#include <vector>

#include "game/GameObserver.h"
#include "game/GameState.h"

inline unsigned g_testSeconds = 0;          // what every shuffle of the tests is seeded with

inline unsigned TestSeconds()
{
    return g_testSeconds;
}

inline std::string Name(PlayerID player)
{
    return player == Red ? "Red" : "White";
}

class CRecordingObserver : public IGameObserver
{
public:
    void OnStatus(const std::string& text) override { m_events.push_back("status: " + text); }
    void OnKnightsShown() override { m_events.push_back("knights shown"); }
    void OnScoresChanged(int red, int white) override
    {
        m_events.push_back("scores " + std::to_string(red) + " " + std::to_string(white));
    }
    void OnCardDealt(PlayerID player, int card, int slot) override
    {
        m_events.push_back("dealt " + Name(player) + " " + std::to_string(card) + " " + std::to_string(slot));
    }
    void OnKnightSpent(PlayerID player, int knight) override
    {
        m_events.push_back("knight spent " + Name(player) + " " + std::to_string(knight));
    }
    void OnCardPlayed(PlayerID player, int slot) override
    {
        m_events.push_back("played " + Name(player) + " " + std::to_string(slot));
    }
    void OnComputerToMove() override { m_events.push_back("computer to move"); }
    void OnTurnPassed(PlayerID toMove) override { m_events.push_back("turn " + Name(toMove)); }
    void OnGameOver(const std::string& question) override { m_events.push_back("game over: " + question); }
    void OnHandsShaded(bool newGame) override { m_events.push_back(newGame ? "shaded new game" : "shaded"); }

    std::vector<std::string> m_events;      // one line per call, oldest first
};

// rows[0] is the top row (row 8): 'R' a Red stone, 'W' a White stone, '.' empty.
inline void SetBoard(CGameState& game, const std::vector<std::string>& rows)
{
    for (int row = 0; row < BoardSize; ++row)
    {
        for (int column = 0; column < BoardSize; ++column)
        {
            const char cell = rows[BoardSize - 1 - row][column];
            game.m_board[row * BoardSize + column] = cell == 'R' ? Red : cell == 'W' ? White : EmptyCell;
        }
    }
}

// An otherwise empty board with the given rows: 'R' a Red stone, 'W' a
// White stone, '.' empty, column 0 first.
inline void SetRows(CGameState& game, const std::vector<std::pair<int, std::string>>& rows)
{
    for (int& cell : game.m_board)
        cell = EmptyCell;
    for (const auto& [row, cells] : rows)
    {
        for (int column = 0; column < BoardSize; ++column)
        {
            const char cell = cells[column];
            game.m_board[row * BoardSize + column] = cell == 'R' ? Red : cell == 'W' ? White : EmptyCell;
        }
    }
}

inline void SetHand(CGameState& game, PlayerID player, const std::vector<int>& cards)
{
    for (int slot = 0; slot < HandSize; ++slot)
        game.m_players[player].m_hand[slot] = cards[slot];
}

// Scores and playable flags as the rules keep them between actions.
inline void Settle(CGameState& game)
{
    game.ComputeScores(game.m_board, game.m_players[Red].m_score, game.m_players[White].m_score);
    game.UpdateMoves();
}
