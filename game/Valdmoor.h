#pragma once

#include <string>

#include "ai/TreeSearch.h"
#include "engine/Callables.h"
#include "game/KingSlide.h"
#include "game/Match.h"
#include "game/rules/Card.h"
#include "game/rules/GameRecord.h"
#include "game/rules/SilentGameObserver.h"
#include "gui/ActionButton.h"
#include "gui/Backdrop.h"
#include "gui/Image.h"
#include "gui/Label.h"
#include "gui/Screen.h"
#include "input/KeyMap.h"
#include "resources/ResourceHandle.h"
#include "resources/Texture.h"

class CBackScreen;
class CExpertSearch;

// Index of this file: the screen's parts, the actions from keys and buttons,
// take-back and review, the questions, starting and resuming, the player's
// aids, the rules' reports, then the fields.

// The screen a game is played on. It shows the match: the board with its
// stones and king, both hands as card buttons, knights, scores, the status
// line, the two players' key maps and the quit and end-of-game questions.
// Keys and buttons go to the match, which plays them through the rules; what
// the rules report comes back through the observer calls and changes the
// widgets. Each Show starts a new game, unless a game was resumed, a record
// opened for review, or the rules read over the game.
class CValdmoor : public GUI::CScreen, public CSilentGameObserver
{
public:
    typedef GUI::CActionButton<Closure2<CValdmoor, PlayerID, int>> HandButton;  // a hand slot, bound to its side and slot

    //------------------------------------------------------------------ the screen

    explicit CValdmoor(GUI::CScreen* menu); // hidden; both sides people
    ~CValdmoor() override;                  // deletes what it owns that is not a child

    bool Draw() override;                   // the darkened background, board, marks and turn frame, under the children
    void OnEvent(int event, const GUI::MouseState& mouse) override;    // Show deals (or carries on), Hide halts

    //------------------------------------------------------------------ actions

    // A person's action, from the keys and buttons: nothing while the screen
    // is hidden or a question is open; refused while the computer is to move.
    void HumanPlayCard(PlayerID player, int slot);
    void HumanDrawCard();
    void HumanSkipTurn();
    void NewGame();                         // a fresh deal with the same seats

    //------------------------------------------------------------------ take-back and review

    // Ctrl+Z and Ctrl+Y (or the Undo and Redo buttons); in review they step.
    void TakeBack();
    void PutBack();
    // Left and Right, Home and End: the moves of a game under review.
    void ReviewBack();
    void ReviewOn();
    void ReviewFirst();
    void ReviewLast();

    //------------------------------------------------------------------ questions

    void QuitGame();                        // Quit and Escape: leaves at once before the first card, else asks
    void OnQuitAnswer(bool yes);            // yes leaves for the menu
    void OnPlayAgain(bool yes);             // the end question: yes deals again, no leaves for the menu
    void UpdateHandShading();               // the hand buttons' brightness after an action
    bool QuestionOpen() const;              // a yes/no question is on this screen

    //------------------------------------------------------------------ starting and resuming

    // A new game against the computer at level 1..4 (White), or between two
    // people; either shows the screen.
    void StartOnePlayerGame(int level);
    void StartTwoPlayerGame();
    // Shows the record's game where it stopped, the computer seated as it
    // was; false (nothing shown) when the record cannot be taken on.
    bool ResumeGame(const GameRecord& record);
    // Shows the record for review from its first position.
    void ReviewGame(const GameRecord& record);
    // At start: asks over screen whether to continue the game the last run
    // left unfinished. False when there is none; refusal then tells of a
    // save that could not be used.
    bool OfferSavedGame(GUI::IBaseWidget* screen, std::string& refusal);
    void OnResumeAnswer(bool yes);          // the start's question: the switch waits a tick
    void ResumeSavedGame();                 // takes the offered game on, or keeps it aside when it cannot
    void SetSavedGameAside();               // the offered game goes to the kept games, the save is cleared
    // Ctrl+N: a new game with the same seats (the computer at the same level,
    // or two people), asking first while a game is under way.
    void StartGameOfSameKind();
    void OnNewGameAnswer(bool yes);         // yes deals again; the game left is kept

    //------------------------------------------------------------------ the player's aids

    // F1: the instructions over the game in progress; Back returns to it as
    // it was, and the computer's reply waits until then.
    void ShowRules();
    // H: marks the card and square, or Draw or Skip, that the strongest
    // computer level would choose for the person to move. Nothing is played.
    void ShowHint();
    // V once the game is over: the end question goes aside to show the whole
    // board, and comes back.
    void ToggleEndQuestion();
    void SlideTick();                       // a frame of the king's slide; queues the next until it lands

    //------------------------------------------------------------------ the rules' reports

    void OnStatus(const std::string& text) override;    // into the status line
    void OnKnightsShown() override;         // a new game: all eight knights, the king landed
    void OnScoresChanged(int red, int white) override;  // into the score labels
    void OnCardDealt(PlayerID player, int card, int slot) override;    // the card's picture on its slot
    void OnKnightSpent(PlayerID player, int knight) override;    // that knight's picture hidden
    void OnCardPlayed(PlayerID player, int slot) override;  // the slot hidden; the king starts to slide
    void OnTurnPassed(PlayerID toMove) override;    // the key maps and the words follow the move
    void OnGameOver(const std::string& question) override;  // the end question, the final score
    void OnHandsShaded(bool newGame) override;  // the shades, the words and the skip reason

    //------------------------------------------------------------------ fields

    GUI::CScreen*                   m_menu;                     // shown when the game is left; owned by the root
    CMatch                          m_match;                    // the game, its seats, record and saves
    bool                            m_dealOnShow;               // Show deals a new game; off for one Show
                                                                // after a resume or a review
    HandButton*                     m_handButtons[2][HandSize]; // Red's slots, then White's; children
    GUI::CLabel*                    m_scoreLabels[2];           // Red's, then White's; children
    GUI::CImage*                    m_king;                     // placed on its square every frame; child
    GUI::CImage*                    m_knightImages[2][KnightCount];  // Red's, then White's; children
    GUI::CLabel*                    m_status;                   // the rules' last message; child
    GUI::CLabel*                    m_sideNames[2];             // Red's, White's name beside its score; children
    GUI::CLabel*                    m_turnLine;                 // whose turn it is, or the final score; child
    GUI::CLabel*                    m_cardsLeft;                // the draw pile's count over Draw; child
    GUI::CLabel*                    m_preview;                  // a hovered card's score changes; child
    GUI::CButton*                   m_drawButton;               // child
    GUI::CButton*                   m_skipButton;               // lit when skipping is all there is; child
    GUI::CBackdrop*                 m_background;               // drawn darkened under the board, and the
                                                                // screen's backdrop; owned, not a child
    GUI::CImage*                    m_stone;                    // drawn on every occupied square; owned, not a child
    GUI::CImage*                    m_knightMarks[2];           // Red's, White's knight, drawn on a stone a
                                                                // hovered card would take; owned, not children
    CResourceHandle<CTextureObject> m_cardTextures[CardCount];  // the picture of each card
    Input::Keyboard::CKeyMap        m_keyMaps[2];               // Red's, then White's
    GameRecord                      m_savedGame;                // the unfinished game offered at start
    int                             m_keyMapsOn;                // how many of m_keyMaps lie on the key-map
                                                                // stack, Red's first: 0, 1 or 2
    CBackScreen*                    m_rules;                    // the instructions F1 shows; owned by the
                                                                // root; null until the menus are built
    CKingSlide                      m_slide;                    // the king on its way to the last card's square
    bool                            m_slideTicking;             // a slide frame is queued
    bool                            m_knightSpent;              // the card being played takes a stone
    CExpertSearch*                  m_hintSearch;               // the strongest level's search; owned; made at
                                                                // the first hint
    Decision                        m_hint;                     // the hint shown
    bool                            m_hintShown;                // until the next action
    double                          m_frameTime;                // seconds; the frame being drawn, one time
                                                                // for the king and the square it lands on

private:
    void KeepKeyMapsInStep();
    void DrawBoard() const;
    void PlaceKing();
    void DrawTurnFrame() const;
    void DrawMoveTints() const;
    void DrawCardTarget();
    void DrawTargetFrame(int square, PlayerID mover, const unsigned char* colour) const;
    void DrawPreview(int square, const int change[2]);
    void DrawHint() const;
    void LightSkip();
    int  HoveredPlayableSlot() const;
    bool PersonToMove() const;
    bool OnlySkipLeft() const;
    void UpdateWords();
    void SayEndWords();
    void AddWords();
    void BindKeys(PlayerID player);
    void AddScreenButtons();
    void AddRecordButtons();
    GUI::CButton* AddButton(int x, int y, int width, const char* caption, void (CValdmoor::*action)());
    void LoadCardTextures();
    void AddHand(PlayerID player);
    void AddScores();
    void AddSlotNumbers(PlayerID player);
    void AddKnights(PlayerID player, const char* texture);
    // Enter takes "Yes" unless yesByDefault is false.
    void AskQuestion(GUI::IBaseWidget* owner, const std::string& question, void (CValdmoor::*answer)(bool),
                     bool yesByDefault = true);
    void CloseDialogs();
    void LeaveForMenu();
};
