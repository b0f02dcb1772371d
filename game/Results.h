#pragma once

#include <string>
#include <vector>

#include "game/rules/GameRecord.h"

// Games won, lost and drawn, counted per difficulty from the person's side
// and, for games between two people, from Red's, with the widest margin of
// a win. Kept as a small versioned text file in the player's data folder.
struct ResultCount
{
    int m_won;                              // against the computer: the person's wins; two people: Red's
    int m_lost;                             // the computer's wins; two people: White's
    int m_drawn;                            // equal scores
    int m_bestMargin;                       // the widest win, in points, by the person (or by either side)
};

const int LevelCount = 5;                   // PersonLevel (two people) and the computer's levels 1..4

// Every kind of game's counts, and the file they are kept in.
class CResults
{
public:
    CResults();                             // every count 0, no file

    // An unreadable file is refused (logged and moved aside) and counting
    // starts afresh; message says so.
    void Load(const std::string& path, std::string& message);
    // Counts one finished game of the level.
    void Count(int level, int redScore, int whiteScore);
    bool Save(std::string& error) const;    // writes m_path atomically; false with the cause
    // One line for a menu, "" before the first game of that kind.
    std::string Summary(int level) const;

    std::string Text() const;               // the file's whole text, header line included
    bool        Parse(const std::vector<std::string>& lines, int& line, std::string& cause);   // after the header

    ResultCount m_counts[LevelCount];       // by level; PersonLevel for games between two people
    std::string m_path;                     // the file; "" keeps nothing
};
