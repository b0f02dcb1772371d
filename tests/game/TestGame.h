#pragma once

// Shared by the rules, screen and search tests: an observer that writes down
// what the screen would be told, a fixed shuffle second, and position set-up.

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "game/rules/Card.h"
#include "game/rules/GameObserver.h"
#include "game/rules/GameState.h"

inline unsigned g_testSeconds = 0;          // what every shuffle of the tests is seeded with

inline unsigned TestSeconds() { return g_testSeconds; }

class CRecordingObserver : public IGameObserver
{
public:
    void OnStatus(const std::string& text) override { Add("status: " + text); }
    void OnKnightsShown() override { Add("knights shown"); }
    void OnScoresChanged(int red, int white) override { Add("scores", red, white); }
    void OnCardDealt(PlayerID player, int card, int slot) override { Add("dealt " + Name(player), card, slot); }
    void OnKnightSpent(PlayerID player, int knight) override { Add("knight spent " + Name(player), knight); }
    void OnCardPlayed(PlayerID player, int slot) override { Add("played " + Name(player), slot); }
    void OnComputerToMove() override { Add("computer to move"); }
    void OnTurnPassed(PlayerID toMove) override { Add("turn " + Name(toMove)); }
    void OnGameOver(const std::string& question) override { Add("game over: " + question); }
    void OnHandsShaded(bool newGame) override { Add(newGame ? "shaded new game" : "shaded"); }

    std::vector<std::string> m_events;      // one line per call, oldest first

private:
    static std::string Name(PlayerID player) { return player == Red ? "Red" : "White"; }

    template <typename... Numbers> void Add(std::string line, Numbers... numbers)
    {
        ((line += " " + std::to_string(numbers)), ...);
        m_events.push_back(line);
    }
};

// An otherwise empty board with the given rows: 'R' a Red stone, 'W' a
// White stone, '.' empty, column 0 first.
inline void SetRows(CGameState& game, const std::vector<std::pair<int, std::string>>& rows)
{
    for (int& cell : game.m_board)
        cell = EmptyCell;
    for (const auto& [row, cells] : rows)
        for (int column = 0; column < BoardSize; ++column)
            game.m_board[row * BoardSize + column] =
                cells[column] == 'R' ? Red : cells[column] == 'W' ? White : EmptyCell;
}

inline void SetHand(CGameState& game, PlayerID player, const std::vector<int>& cards)
{
    std::copy(cards.begin(), cards.end(), game.m_players[player].m_hand);
}

// Scores and playable flags as the rules keep them between actions.
inline void Settle(CGameState& game)
{
    game.ComputeScores(game.m_board, game.m_players[Red].m_score, game.m_players[White].m_score);
    game.UpdateMoves();
}

// King in the bottom left corner; every card in both hands and the top of the
// draw pile leads off the board. Red to move with one empty slot: Red's draw
// ends the game with White to move.
inline void SetUpLastDraw(CGameState& game, const std::vector<std::pair<int, std::string>>& rows = {})
{
    SetRows(game, rows);
    game.m_kingRow = 0;
    game.m_kingCol = 0;
    game.m_current = Red;
    SetHand(game, Red, { 3, 4, 5, 6, NoCard });
    SetHand(game, White, { 7, 11, 12, 13, 14 });
    game.m_deck.m_drawPile = { 19, 15 };
    Settle(game);
}

// Everything a player can see of a position and everything the next action
// depends on, in one list, to compare two positions whole.
inline std::vector<int> WholePosition(const CGameState& game)
{
    std::vector<int> whole(std::begin(game.m_board), std::end(game.m_board));
    for (const PlayerState& player : game.m_players)
    {
        whole.insert(whole.end(), std::begin(player.m_hand), std::end(player.m_hand));
        whole.insert(whole.end(), std::begin(player.m_playable), std::end(player.m_playable));
        whole.insert(whole.end(), { player.m_knights, player.m_score });
    }
    whole.insert(whole.end(), game.m_deck.m_drawPile.begin(), game.m_deck.m_drawPile.end());
    whole.push_back(-1);
    whole.insert(whole.end(), game.m_deck.m_discardPile.begin(), game.m_deck.m_discardPile.end());
    whole.insert(whole.end(), { game.m_kingRow, game.m_kingCol, game.m_current, game.m_currentController,
                                game.m_controller[Red], game.m_controller[White], game.m_lastMove.m_made,
                                game.m_lastMove.m_mover, game.m_lastMove.m_from, game.m_lastMove.m_to,
                                game.IsOver() });
    return whole;
}
