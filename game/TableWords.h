#pragma once

#include <string>

#include "game/rules/GameState.h"

// The words the game screen adds to the picture so that nothing depends on
// telling red from white: who each side is, whose turn it is, the final
// score, the cards left, what a card would do, and why a player must skip.
// Against the computer Red is "You" and White "Computer"; between two people
// the sides go by their colours.

std::string SideName(PlayerID side, bool againstComputer);   // "You" or "Computer"; "Red" or "White" between people
// The line under the board: whose turn it is, or the final score once the
// game is over, e.g. "Game over: Red 70 : White 24".
std::string TurnWords(const CGameState& game, bool againstComputer);
std::string FinalScoreWords(int red, int white, bool againstComputer);    // "Red 70 : White 24"
std::string CardsLeftWords(int cards);      // beside Draw: "Cards left: 14"
// What playing a card changes, mover first: "You +5  Computer -4".
std::string ScoreChangeWords(PlayerID mover, int moverChange, int otherChange, bool againstComputer);
// The status line's reason when the player to move can do nothing but skip.
extern const char* const OnlySkipWords;
// The status line after the computer's draw or skip, in place of the empty
// text a successful action leaves.
extern const char* const ComputerDrewWords;
extern const char* const ComputerSkippedWords;
// The status line under the end question, which V hides and brings back.
extern const char* const BoardViewWords;
extern const char* const QuestionBackWords;
