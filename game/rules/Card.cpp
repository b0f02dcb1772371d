#include "game/rules/Card.h"

namespace
{

const int g_rowUnit[8]    = { 1, 1, 0, -1, -1, -1, 0, 1 };
const int g_columnUnit[8] = { 0, 1, 1, 1, 0, -1, -1, -1 };

bool IsCard(int card)
{
    return card >= 0 && card < CardCount;
}

} // namespace

int CardDistance(int card)
{
    return card / 8 + 1;
}

int CardDirection(int card)
{
    return card % 8;
}

int CardRowStep(int card)
{
    return IsCard(card) ? g_rowUnit[CardDirection(card)] * CardDistance(card) : 0;
}

int CardColumnStep(int card)
{
    return IsCard(card) ? g_columnUnit[CardDirection(card)] * CardDistance(card) : 0;
}

void MoveKing(int card, int& row, int& column)
{
    row += CardRowStep(card);
    column += CardColumnStep(card);
}
