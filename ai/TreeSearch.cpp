#include "ai/TreeSearch.h"

#include <climits>
#include <cstring>

#include "game/rules/Card.h"
#include "game/rules/GameState.h"

namespace
{

const std::uint8_t g_redStone   = 1;
const std::uint8_t g_whiteStone = 3;
const std::uint8_t g_mark       = 4;        // a cell's visit mark while a move is scored
const int          g_worst      = INT_MAX;  // the starting best of a side that has found nothing
const int          g_drawCut    = 2;        // plies searched below a draw: the reply, then the evaluation

// White's slot s is bit s of the hand mask, Red's slot s is bit s + 5.
std::uint16_t SlotBit(bool white, int slot)
{
    return static_cast<std::uint16_t>(1u << (white ? slot : slot + HandSize));
}

std::uint16_t SideBits(bool white)
{
    return static_cast<std::uint16_t>(white ? 0x1Fu : 0x1Fu << HandSize);
}

bool Better(bool white, int value, int best)
{
    return white ? value > best : value < best;
}

// The size of the group of cells equal to value that holds the cell (0 if
// the cell is not value), toggling each one's mark as it is reached, so no
// cell is counted twice. A cell is toggled when it goes on the stack, so the
// stack never holds more than the board.
int Flood(std::uint8_t* cells, int start, std::uint8_t value)
{
    if (cells[start] != value)
        return 0;
    std::uint8_t pending[CellCount];
    int top = 0;
    cells[start] = static_cast<std::uint8_t>(value ^ g_mark);
    pending[top++] = static_cast<std::uint8_t>(start);
    int count = 0;
    while (top > 0)
    {
        const int cell = pending[--top];
        const int column = cell % BoardSize;
        ++count;
        const int neighbours[4] = { column + 1 < BoardSize ? cell + 1 : -1, column > 0 ? cell - 1 : -1,
                                    cell >= BoardSize ? cell - BoardSize : -1,
                                    cell + BoardSize < CellCount ? cell + BoardSize : -1 };
        for (const int neighbour : neighbours)
        {
            if (neighbour < 0 || cells[neighbour] != value)
                continue;
            cells[neighbour] = static_cast<std::uint8_t>(value ^ g_mark);
            pending[top++] = static_cast<std::uint8_t>(neighbour);
        }
    }
    return count;
}

// What TargetKind tells, for a king on the square.
int Target(const SearchNode& node, int row, int column)
{
    if (!OnBoard(row, column))
        return 0;
    const std::uint8_t cell = node.m_cells[row * BoardSize + column];
    if (!(cell & 1))
        return 1;
    if (((cell & 2) != 0) == node.m_side)
        return 0;
    return 2;
}

// Eight cells at a time: this runs once per card tried.
void ClearMarks(SearchNode& node)
{
    const std::uint64_t keep = 0x0101010101010101ull * static_cast<std::uint8_t>(~g_mark);
    std::uint8_t* cells = node.m_cells;
    int cell = 0;
    for (; cell + 8 <= CellCount; cell += 8)
    {
        std::uint64_t eight;
        std::memcpy(&eight, cells + cell, sizeof eight);
        eight &= keep;
        std::memcpy(cells + cell, &eight, sizeof eight);
    }
    for (; cell < CellCount; ++cell)
        cells[cell] = static_cast<std::uint8_t>(cells[cell] & ~g_mark);
}

} // namespace

CTreeSearch::CTreeSearch(int difficulty) : m_nodes(0)
{
    if (difficulty == 1)
    {
        m_depth = 1;
        m_knightCost = -7;
        m_drawBonus = 2;
    }
    else if (difficulty == 2)
    {
        m_depth = 3;
        m_knightCost = -28;
        m_drawBonus = 2;
    }
    else
    {
        m_depth = 0;
        m_knightCost = -49;
        m_drawBonus = 4;
    }
    for (int side = 0; side < 2; ++side)
    {
        for (int slot = 0; slot < HandSize; ++slot)
        {
            m_rowStep[side][slot] = 0;
            m_columnStep[side][slot] = 0;
        }
    }
}

Decision CTreeSearch::ChooseAction(const CGameState& game)
{
    m_nodes = 0;
    SearchNode root;
    BuildRoot(game, root);

    const PlayerState& white = game.m_players[White];
    const PlayerState& red = game.m_players[Red];
    bool canDraw = false;
    bool redStuck = true;
    for (int slot = 0; slot < HandSize; ++slot)
    {
        canDraw = canDraw || white.m_hand[slot] == NoCard;
        redStuck = redStuck && red.m_hand[slot] != NoCard && !red.m_playable[slot];
    }
    // Red can only skip until White plays, so drawing loses nothing.
    if (canDraw && redStuck)
        return Decision{ Decision::Draw, -1 };

    int best = -g_worst;
    int chosen = -1;
    for (int slot = 0; slot < HandSize; ++slot)
    {
        if (white.m_hand[slot] == NoCard)
            continue;
        root.m_kingRow = game.m_kingRow + m_rowStep[White][slot];
        root.m_kingCol = game.m_kingCol + m_columnStep[White][slot];
        const int kind = TargetKind(root);
        if (kind == 1 || (kind == 2 && root.m_knights[White] > 0))
        {
            const int value = Search(root, slot);
            if (value > best)
            {
                best = value;
                chosen = slot;
            }
        }
    }
    root.m_kingRow = game.m_kingRow;
    root.m_kingCol = game.m_kingCol;

    if (chosen < 0)
        return Decision{ canDraw ? Decision::Draw : Decision::Skip, -1 };
    if (canDraw)
    {
        root.m_depth = 1;
        if (Search(root, DrawMove) > best)
            return Decision{ Decision::Draw, -1 };
    }
    return Decision{ Decision::Play, chosen };
}

int CTreeSearch::Search(const SearchNode& parent, int move)
{
    ++m_nodes;
    SearchNode node = parent;
    const bool mover = node.m_side;

    if (move < DrawMove)
    {
        ClearMarks(node);
        node.m_handMask = static_cast<std::uint16_t>(node.m_handMask & ~SlotBit(mover, move));
        // An occupied target can only be the other side's stone: the caller checked.
        if (node.m_cells[node.m_kingRow * BoardSize + node.m_kingCol] != 0)
        {
            --node.m_knights[mover];
            node.m_difference = static_cast<std::int16_t>(node.m_difference + (mover ? m_knightCost : -m_knightCost));
        }
        node.m_difference = static_cast<std::int16_t>(node.m_difference + PlaceStone(node));
    }
    else if (move == DrawMove)
    {
        node.m_difference = static_cast<std::int16_t>(node.m_difference + (mover ? m_drawBonus : -m_drawBonus));
    }

    if (node.m_depth != 0 && --node.m_depth == 0)
        return node.m_difference;

    const bool side = !mover;
    node.m_side = side;
    int best = side ? -g_worst : g_worst;
    bool found = false;
    const std::int32_t kingRow = node.m_kingRow;
    const std::int32_t kingCol = node.m_kingCol;
    for (int slot = 0; slot < HandSize; ++slot)
    {
        if (!(node.m_handMask & SlotBit(side, slot)))
            continue;
        node.m_kingRow = kingRow + m_rowStep[side][slot];
        node.m_kingCol = kingCol + m_columnStep[side][slot];
        const int kind = Target(node, node.m_kingRow, node.m_kingCol);
        if (kind == 1 || (kind == 2 && node.m_knights[side] > 0))
        {
            const int value = Search(node, slot);
            // Strictly better only, so among equals the lowest slot stays.
            if (Better(side, value, best))
            {
                best = value;
                found = true;
            }
        }
    }
    node.m_kingRow = kingRow;
    node.m_kingCol = kingCol;

    if ((node.m_handMask & SideBits(side)) != SideBits(side))
    {
        if (node.m_depth == 0 || node.m_depth > g_drawCut)
            node.m_depth = g_drawCut;
        const int value = Search(node, DrawMove);
        if (Better(side, value, best))
            return value;
    }
    if (found)
        return best;
    return Search(node, PassMove);
}

int CTreeSearch::CountAndMark(SearchNode& node, int row, int column, std::uint8_t value)
{
    if (!OnBoard(row, column))
        return 0;
    return Flood(node.m_cells, row * BoardSize + column, value);
}

// 0 the move is impossible, 1 the square is free, 2 it takes a knight.
int CTreeSearch::TargetKind(const SearchNode& node)
{
    return Target(node, node.m_kingRow, node.m_kingCol);
}

// Puts the mover's stone under the king and returns the change of White's
// score minus Red's. Only the groups touching the square can change: the
// first pass scores and marks them as they stand, the second scores them
// with the stone in place and clears the marks again. All marks must be clear
// on entry.
std::int16_t CTreeSearch::PlaceStone(SearchNode& node)
{
    const int row = node.m_kingRow;
    const int column = node.m_kingCol;
    const int target = row * BoardSize + column;
    // The target, then the squares above, below, right and left that are on the board.
    int around[5];
    int count = 0;
    around[count++] = target;
    if (row + 1 < BoardSize)
        around[count++] = target + BoardSize;
    if (row > 0)
        around[count++] = target - BoardSize;
    if (column + 1 < BoardSize)
        around[count++] = target + 1;
    if (column > 0)
        around[count++] = target - 1;

    std::uint8_t* cells = node.m_cells;
    int before = 0;
    for (int i = 0; i < count; ++i)
    {
        const int white = Flood(cells, around[i], g_whiteStone);
        const int red = Flood(cells, around[i], g_redStone);
        before += white * white - red * red;
    }

    const std::uint8_t stone = node.m_side ? g_whiteStone : g_redStone;
    cells[target] = static_cast<std::uint8_t>(stone | g_mark);

    int after = 0;
    for (int i = 0; i < count; ++i)
    {
        const int white = Flood(cells, around[i], g_whiteStone | g_mark);
        const int red = Flood(cells, around[i], g_redStone | g_mark);
        after += white * white - red * red;
    }
    return static_cast<std::int16_t>(after - before);
}

std::uint64_t CTreeSearch::Nodes() const
{
    return m_nodes;
}

void CTreeSearch::BuildRoot(const CGameState& game, SearchNode& root)
{
    root.m_side = game.m_current == White;
    root.m_knights[Red] = static_cast<std::uint8_t>(game.m_players[Red].m_knights);
    root.m_knights[White] = static_cast<std::uint8_t>(game.m_players[White].m_knights);
    for (int cell = 0; cell < CellCount; ++cell)
    {
        const int value = game.m_board[cell];
        root.m_cells[cell] = value == Red ? g_redStone : value == White ? g_whiteStone : 0;
    }
    root.m_handMask = 0;
    for (int slot = 0; slot < HandSize; ++slot)
    {
        for (PlayerID player : { Red, White })
        {
            const int card = game.m_players[player].m_hand[slot];
            m_rowStep[player][slot] = CardRowStep(card);
            m_columnStep[player][slot] = CardColumnStep(card);
            if (card != NoCard)
                root.m_handMask = static_cast<std::uint16_t>(root.m_handMask | SlotBit(player == White, slot));
        }
    }
    root.m_difference = static_cast<std::int16_t>(game.m_players[White].m_score - game.m_players[Red].m_score);
    root.m_kingRow = game.m_kingRow;
    root.m_kingCol = game.m_kingCol;
    root.m_depth = m_depth;
}
