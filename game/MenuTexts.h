#pragma once

// The game's own words on the menus and the credits screen. The board game
// this program plays is someone else's design; these lines say so.

constexpr const char* kSubtitle = "After the board-and-card game by its original designer";   // under the logo
constexpr const char* kRightsNotice = "(c) its publisher";   // the main menu's lower right corner

// The credits: one caption a line, and beside it, line for line, who did it.
constexpr const char* kCreditCaptions = "Game programming\nAI programming\nGame concept\nRights";
constexpr const char* kCreditNames =
    "The Valdmoor developers\nThe Valdmoor developers\nThe designer of the board game\nThe publisher of the board game";
constexpr const char* kCreditNotice =
    "This computer version is made with the kind permission of the rights holder of the board game, "
    "who takes no responsibility for it.";
