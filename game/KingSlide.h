#pragma once

// The king's way from its square to the one a card takes it to, so that a
// move can be followed by eye. Times are seconds of the engine's clock;
// squares are row * 9 + column.
const double KingSlideSeconds = 0.15;       // from leaving the square to landing

// The slide under way, if any; the game screen starts it with each card played.
class CKingSlide
{
public:
    CKingSlide();                           // landed: nothing slides

    // The king leaves from for to at now; coveredCell is what the target
    // square showed before the move, shown until the king lands.
    void Start(int from, int to, int coveredCell, double now);
    void Land();                            // ends the slide at once
    bool Sliding(double now) const;         // the king has not landed yet
    // Where the king is drawn at now, in squares from the board's corner.
    void Place(double now, float& row, float& column) const;
    int  Target() const;                    // the square it slides to
    int  CoveredCell() const;               // what the target square shows until it lands

private:
    int    m_from;                          // square it left
    int    m_to;                            // square it lands on
    int    m_coveredCell;                   // PlayerID or EmptyCell; the target square's look before the move
    double m_start;                         // seconds; when it left
    bool   m_sliding;                       // set from Start until Land or the slide's end
};
