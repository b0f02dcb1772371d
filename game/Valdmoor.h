#pragma once

#include <string>

#include "engine/Callables.h"
#include "game/rules/Card.h"
#include "game/rules/GameObserver.h"
#include "game/rules/GameState.h"
#include "game/rules/GameTable.h"
#include "gui/ActionButton.h"
#include "gui/Image.h"
#include "gui/Label.h"
#include "gui/Screen.h"
#include "input/KeyMap.h"
#include "resources/ResourceHandle.h"
#include "resources/Texture.h"

class IBaseAI;

// The screen a game is played on. It owns the game and shows it: the board
// with its stones and king, both hands as card buttons, knights, scores, the
// status line, the two players' key maps and the quit and end-of-game
// questions. Every action goes to the rules first; what they report comes
// back through the observer calls and changes the widgets. Each Show starts
// a new game.
class CValdmoor : public GUI::CScreen, public IGameObserver, public IGameTable
{
public:
    typedef GUI::CActionButton<Closure2<CValdmoor, PlayerID, int>> HandButton;

    explicit CValdmoor(GUI::CScreen* menu); // hidden; both sides human, no AI
    ~CValdmoor() override;

    bool Draw() override;
    void OnEvent(int event, const GUI::MouseState& mouse) override;

    // The actions of the player to move, reached through queued tasks. A
    // hidden screen ignores them: its game is over and its key maps are off.
    // The computer calls these; keys and buttons call the Human ones, which
    // never move for the computer and do nothing while a question is open.
    void PlayCard(PlayerID player, int slot);
    void DrawCard();
    void SkipTurn();
    void HumanPlayCard(PlayerID player, int slot);
    void HumanDrawCard();
    void HumanSkipTurn();
    void NewGame();

    void QuitGame();
    void OnQuitAnswer(bool yes);
    void OnPlayAgain(bool yes);
    void UpdateHandShading();

    // The computer plays White from now on; the screen owns ai and deletes
    // the one it replaces.
    void AttachAI(IBaseAI* ai);
    // Both sides human again, any AI deleted, then a new game is shown.
    void StartTwoPlayerGame();
    // The queued computer turn, due a pause after the move that handed it
    // over: the AI thinks only about a game still on screen with the
    // computer to move, and only for the turn queued last.
    void ComputerTurn(unsigned turn);
    bool QuestionOpen() const;              // a yes/no question is on this screen

    // The computer's seat: its action goes to the front of the run queue,
    // to PlayCard, DrawCard or SkipTurn.
    const CGameState& Position() const override;
    void              QueuePlayCard(PlayerID player, int slot) override;
    void              QueueDrawCard() override;
    void              QueueSkipTurn() override;

    // The rules' reports.
    void OnStatus(const std::string& text) override;
    void OnKnightsShown() override;
    void OnScoresChanged(int red, int white) override;
    void OnCardDealt(PlayerID player, int card, int slot) override;
    void OnKnightSpent(PlayerID player, int knight) override;
    void OnCardPlayed(PlayerID player, int slot) override;
    void OnComputerToMove() override;
    void OnTurnPassed(PlayerID toMove) override;
    void OnGameOver(const std::string& question) override;
    void OnHandsShaded(bool newGame) override;

    GUI::CScreen*                   m_menu;                     // shown when the game is left; owned by the root
    CGameState                      m_state;                    // the position and the rules
    IBaseAI*                        m_ai;                       // White's computer player or null; owned
    unsigned                        m_computerTurns;            // computer turns queued so far; numbers the latest
    HandButton*                     m_handButtons[2][HandSize]; // Red's slots, then White's; children
    GUI::CLabel*                    m_scoreLabels[2];           // Red's, then White's; children
    GUI::CImage*                    m_king;                     // placed on its square every frame; child
    GUI::CImage*                    m_knightImages[2][KnightCount];  // Red's, then White's; children
    GUI::CLabel*                    m_status;                   // the rules' last message; child
    GUI::CImage*                    m_background;               // drawn darkened under the board; owned, not a child
    GUI::CImage*                    m_stone;                    // drawn on every occupied square; owned, not a child
    GUI::CImage*                    m_knightMarks[2];           // Red's, White's knight, drawn on a stone a
                                                                // hovered card would take; owned, not children
    CResourceHandle<CTextureObject> m_cardTextures[CardCount];  // the picture of each card
    Input::Keyboard::CKeyMap        m_keyMaps[2];               // Red's, then White's
    int                             m_keyMapsOn;                // how many of m_keyMaps lie on the key-map
                                                                // stack, Red's first: 0, 1 or 2

private:
    void KeepKeyMapsInStep();
    void DrawBoard() const;
    void DrawSquare(int square) const;
    void PlaceKing();
    void DrawTurnFrame() const;
    void DrawMoveTint(int square) const;
    void DrawCardTarget() const;
    int  HoveredPlayableSlot() const;
    void BindKeys(PlayerID player);
    void AddScreenButtons();
    void LoadCardTextures();
    void AddHand(PlayerID player);
    void AddScores();
    void AddSlotNumbers(PlayerID player);
    void AddKnights(PlayerID player, const char* texture);
    void AskQuestion(const std::string& question, void (CValdmoor::*answer)(bool));
    void CloseDialogs();
    void LeaveForMenu();
};
