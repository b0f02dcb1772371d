#include "game/rules/PlayPreview.h"

#include "game/rules/Card.h"

PlayPreview PreviewPlay(const CGameState& game, PlayerID player, int slot)
{
    PlayPreview preview = {false, 0, false, {0, 0}};
    const int card = game.m_players[player].m_hand[slot];
    if (card == NoCard || !game.m_players[player].m_playable[slot])
        return preview;
    int row = game.m_kingRow;
    int column = game.m_kingCol;
    ::MoveKing(card, row, column);
    preview.m_playable = true;
    preview.m_square = row * BoardSize + column;
    preview.m_spendsKnight = game.m_board[preview.m_square] == Opponent(player);

    // ComputeScores only counts; the copy's observer is never called.
    CGameState probe(game);
    probe.m_board[preview.m_square] = player;
    int after[2] = {0, 0};
    probe.ComputeScores(probe.m_board, after[Red], after[White]);
    for (PlayerID side : {Red, White})
        preview.m_change[side] = after[side] - game.m_players[side].m_score;
    return preview;
}
