#pragma once

#include <string>

#include "gui/Label.h"

class CMatch;

// A results line stands right of its menu button, halfway up it.
const int kResultsX = 148;                  // 10 right of the button column
const int kResultsRise = 10;                // from the button's bottom edge

// A menu line with the results of one kind of game, read afresh each time it
// is drawn, so it is current whenever its menu is shown. Empty until a game
// of that kind has been played; the level chosen last says so.
class CResultsLabel : public GUI::CLabel
{
public:
    CResultsLabel(int x, int y, const CMatch* match, int level);    // empty until drawn

    bool Draw() override;                   // takes the line afresh from the match's archive, then draws it

    const CMatch* m_match;                  // holds the results; the game screen owns it
    int           m_level;                  // PersonLevel for games between two people, else 1..4
};
