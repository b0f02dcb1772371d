#pragma once

#include <string>

#include "game/rules/Player.h"

// What the screen of a game does while the rules run. CGameState calls these
// at fixed points of each action, in this order within one action:
//
//   NewGame:   OnStatus(""), OnKnightsShown, OnScoresChanged, OnCardDealt x 10 (Red's slots
//              0..4, then White's), [OnGameOver], OnHandsShaded(true)
//   PlayCard:  OnStatus (a refusal ends the action here; otherwise ""),
//              [OnKnightSpent], OnCardPlayed, [OnComputerToMove],
//              OnTurnPassed, OnScoresChanged, [OnGameOver], OnHandsShaded(false)
//   DrawCard:  OnStatus (refusal, or ""), OnCardDealt, [OnComputerToMove],
//              OnTurnPassed, [OnGameOver], OnHandsShaded(false)
//   SkipTurn:  OnStatus (refusal, or ""), [OnComputerToMove], OnTurnPassed,
//              [OnGameOver], OnHandsShaded(false)
//
// Bracketed calls happen only when their condition holds. Every call comes
// after the state it reports has changed, so the observer may read it.
class IGameObserver
{
public:
    virtual ~IGameObserver() {}             // the game does not own its observer

    // The status line's new text: a refusal message, or "" when an action goes ahead.
    virtual void OnStatus(const std::string& text) = 0;

    // A new game gives both players their four knights back: show all eight images.
    virtual void OnKnightsShown() = 0;

    // The scores were recomputed; write Red's label, then White's.
    virtual void OnScoresChanged(int red, int white) = 0;

    // The card is now in the player's slot: give the slot's button the card's
    // picture and show it.
    virtual void OnCardDealt(PlayerID player, int card, int slot) = 0;

    // The player spent a knight; knight is the index of the image to hide, the
    // player's new knight count (so the fourth goes first).
    virtual void OnKnightSpent(PlayerID player, int knight) = 0;

    // The card in the player's slot was played: hide the slot's button.
    virtual void OnCardPlayed(PlayerID player, int slot) = 0;

    // The move just went to a computer-controlled player: queue its turn.
    virtual void OnComputerToMove() = 0;

    // The move went to toMove: White's key map goes on top of Red's while
    // White is to move, and comes off when Red gets the move back.
    virtual void OnTurnPassed(PlayerID toMove) = 0;

    // Nobody can act any more: ask question, the result and "Do you want to
    // play another game?". Called at most once per game.
    virtual void OnGameOver(const std::string& question) = 0;

    // Shade the hand buttons from the playable flags; a new game uses its own shades.
    virtual void OnHandsShaded(bool newGame) = 0;
};
