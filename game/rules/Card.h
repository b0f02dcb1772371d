#pragma once

// A card is a plain int 0..23 naming a king move: distance card / 8 + 1
// squares in direction card % 8, counted clockwise from up. Rows grow upwards,
// columns to the right. NoCard marks an empty hand slot.

const int CardCount = 24;                   // cards in the game, each one once
const int NoCard    = 26;                   // an empty hand slot; 24 and 25 never occur

int  CardDistance(int card);                // squares, 1..3
int  CardDirection(int card);               // 0 up, 1 up and right, ... 7 up and left
int  CardRowStep(int card);                 // rows the card moves the king; 0 for any non-card
int  CardColumnStep(int card);              // columns the card moves the king; 0 for any non-card

// Adds the card's move to the square, without any range check; a value that
// is no card leaves the square as it is.
void MoveKing(int card, int& row, int& column);
