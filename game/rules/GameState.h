#pragma once

// Index of this file:
//   Board      - its size and squares
//   KingMove   - the last card's move
//   CGameState - one game and its actions

#include <cstdint>
#include <string>

#include "game/rules/Deck.h"
#include "game/rules/Player.h"

class IGameObserver;

//------------------------------------------------------------------ Board

const int BoardSize = 9;                    // squares along each side of the board
const int CellCount = BoardSize * BoardSize;   // squares, numbered row * 9 + column

// Whether the square lies on the board.
inline bool OnBoard(int row, int column)
{
    return row >= 0 && row < BoardSize && column >= 0 && column < BoardSize;
}

//------------------------------------------------------------------ KingMove

// The king's move by the last card played in a game.
struct KingMove
{
    bool     m_made;                        // a card has been played in this game
    PlayerID m_mover;                       // who played it
    int      m_from;                        // square the king left, row * 9 + column
    int      m_to;                          // square it reached, where the mover's stone now lies
};

//------------------------------------------------------------------ CGameState

// One game of Valdmoor: the board with its shared king, the hands, knights,
// scores and deck, and the three actions a player may take. Every action
// checks who may do it and refuses with a message otherwise; what the screen
// shows follows through the observer (see IGameObserver for the order).
//
// The fields are open for reading; change them only through the operations
// (tests and tools set up positions directly).
class CGameState
{
public:
    CGameState(IGameObserver* observer, ShuffleClock clock);    // no game dealt yet; call NewGame

    // The actions of a turn, and a new game.
    void NewGame();                         // clears the board, shuffles and deals both hands
    void PlayCard(PlayerID player, int slot);    // slot 0..4 of the player's hand
    void DrawCard();                        // the player to move takes a card into the lowest empty slot
    void SkipTurn();                        // the player to move gives the turn up

    // The steps the actions are made of.
    void EndTurn();                         // the move goes to the other side
    void UpdateMoves();                     // the playable flags afresh; announces the end once nobody can act
    // Each side's sum of its groups' squared sizes on the board.
    void ComputeScores(const int board[CellCount], int& red, int& white);
    // Adds to count the stones of colour joined to the square, emptying them from m_scratch.
    void CountGroup(std::int16_t row, std::int16_t column, std::int16_t& count, int colour);
    void MoveKing(int card);                // by the card's move, without any check
    void DealCard(PlayerID player, int card, int slot);    // the card into slot 0..4 of the player's hand

    // Who moves for each side. A controller is kept across games.
    void SetController(PlayerID player, Controller controller);
    void ResetControllers();                // both sides, and the mover, back to Human

    std::string ResultText() const;         // who won, as the end question opens
    bool        IsOver() const;             // for the arena tool and tests; the screen hears OnGameOver

    Controller     m_controller[2];         // who moves for Red and for White
    Controller     m_currentController;     // the mover's controller as of the last EndTurn
    int            m_board[CellCount];      // PlayerID or EmptyCell, index row * 9 + column
    int            m_scratch[CellCount];    // ComputeScores' copy of the board, emptied as groups are counted
    int            m_kingRow;               // 0..8, row 0 at the bottom
    int            m_kingCol;               // 0..8, column 0 at the left
    PlayerID       m_current;               // the player to move
    PlayerState    m_players[2];            // Red's, then White's
    CDeck          m_deck;                  // the card supply
    KingMove       m_lastMove;              // the last card's move; m_made false until one is played

private:
    bool IsPlayable(PlayerID player, int card) const;
    void PassTurn();

    bool           m_over;                  // the end of this game has been announced
    IGameObserver* m_observer;              // the screen of this game; not owned
};
