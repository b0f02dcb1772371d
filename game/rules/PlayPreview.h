#pragma once

#include "game/rules/GameState.h"

// What playing a card would do, worked out on a copy so that the game and
// its screen hear nothing: where the king lands, whether a knight is spent,
// and how both scores change.
struct PlayPreview
{
    bool m_playable;                        // the card can be played now; nothing else is set otherwise
    int  m_square;                          // where the king lands, row * 9 + column
    bool m_spendsKnight;                    // the target holds the other side's stone
    int  m_change[2];                       // Red's and White's score change
};

// The card in the slot of the player, played from the position as it is.
PlayPreview PreviewPlay(const CGameState& game, PlayerID player, int slot);
