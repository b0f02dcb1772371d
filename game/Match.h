#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "game/rules/GameObserver.h"
#include "game/rules/GameRecord.h"
#include "game/rules/GameState.h"
#include "game/rules/GameTable.h"

class CGameArchive;
class IBaseAI;

// The game at the table, apart from how it is shown: who sits on each side,
// the record of every action, the computer's pending turn, take-back and
// redo, and the save after every action. Every position, whether reached by
// play, taken back, resumed or reviewed, is the record replayed through the
// rules. The rules' reports reach the view through the match, which holds
// back the computer's turn and the end of the game while a position is
// being rebuilt.
class CMatch : public IGameTable
{
    IGameObserver*          m_reports;      // passes the rules' reports on; owned; made before m_state

public:
    //------------------------------------------------------------------ seats and keeping

    // Two people seated until SeatComputer; the view is not owned, the clock seeds the shuffles.
    CMatch(IGameObserver* view, ShuffleClock clock);
    // Deletes the computer player and the archive.
    ~CMatch() override;

    // The seats. A new computer replaces (and deletes) the one before.
    void SeatComputer(IBaseAI* ai, int level);
    // Both sides played by people; the computer, if any, deleted.
    void SeatPeople();
    int  ComputerLevel() const;             // PersonLevel when two people play
    bool AgainstComputer() const;           // a computer sits at White, or did in the game under review

    // Where the game in progress is saved after every action and finished
    // games and results are kept; the match owns it. Without one nothing is kept.
    void                KeepIn(CGameArchive* archive);
    CGameArchive*       Archive() const;    // null when nothing is kept

    //------------------------------------------------------------------ games

    // A fresh deal with the seats as they are; a game left unfinished is kept first.
    void NewGame();
    // Takes the game on from the record, seats and all; false (nothing
    // changed) when the record's game is over or cannot be replayed.
    bool Resume(const GameRecord& record);
    // Shows the record for review from its first position: nothing can be
    // played, and the computer never moves.
    void Review(const GameRecord& record);

    //------------------------------------------------------------------ actions, take-back and review

    // A person's action: refused while the computer is to move or in review.
    void PersonActs(GameAction action);
    // Ctrl+Z: back to the last position where the person who is to move (or,
    // against the computer, the person) moved; in review, one move back.
    void TakeBack();
    // Ctrl+Y: the actions taken back, in the same steps; in review, one move on.
    void PutBack();
    void ReviewStep(int moves);             // in review: moves on (or back when negative), within the record
    void ReviewEnd(bool last);              // in review: to the first or the last position

    //------------------------------------------------------------------ the computer's turn

    // The screen was left: the computer's pending turn is dropped and none
    // is taken until the next game, resume or review.
    void Halt();
    // The screen is back after the rules were read over the game: the
    // computer takes the turn it was due, after its pause.
    void Continue();

    // A record is shown for review, not played.
    bool Reviewing() const;
    bool Rebuilding() const;                // the position is being replayed; its reports are no news
    // White's computer is due to act: not halted, in review or rebuilding.
    bool ComputerToMove() const override;

    // The table the computer sits at.
    const CGameState& Position() const override;
    void              QueuePlayCard(PlayerID player, int slot) override;
    void              QueueDrawCard() override;
    void              QueueSkipTurn() override;

    // The computer's turn, due a pause after the move that handed it over;
    // a turn that a later one or a take-back replaced does nothing.
    void ComputerTurn(unsigned turn);
    // The computer's decided action, one tick after it was made.
    void ComputerActs(unsigned turn, GameAction action);

    // The two reports of the rules the match acts on before the view hears
    // them: the move went to the computer, and nobody can act any more.
    void ComputerGetsTheMove();
    // Held back while the position is rebuilt, passed on after.
    void GameEnds(const std::string& question);
    // The rules' status text on its way to the view: the empty text of the
    // computer's successful draw or skip becomes a sentence saying so.
    void ReportStatus(const std::string& text);

    //------------------------------------------------------------------ fields

    CGameState              m_state;        // the position and the rules
    GameRecord              m_record;       // the game up to the position shown (in review: the whole game)
    std::vector<GameAction> m_redo;         // actions taken back, the next to put back last

private:
    void Seat();
    void Act(GameAction action);
    void FinishIfOver();
    void Rebuild(std::size_t actions);
    void QueueComputerAction(const GameAction& action);
    void Save();
    void ShowReviewPosition();

    IGameObserver*          m_view;         // the screen; not owned
    CGameArchive*           m_archive;      // where games are kept; owned, may be null
    IBaseAI*                m_ai;           // White's computer player or null; owned
    int                     m_level;        // its level; PersonLevel without one
    unsigned                m_computerTurns;    // computer turns begun; numbers the latest
    bool                    m_rebuilding;   // the computer's turn and the end wait while set
    bool                    m_halted;       // the screen was left; no computer turn until a new start
    bool                    m_reviewing;    // a record is shown for review
    std::size_t             m_reviewShown;  // in review: actions played up to the position shown
    std::string             m_heldQuestion; // the end question a rebuild held back; "" if none
    const char*             m_actionWords;  // said for the computer's action under way; null when
                                            // the action goes ahead in silence
};
