#include "ai/TreeSearch.h"

#include <climits>
#include <cstring>

#include "game/rules/Card.h"
#include "game/rules/GameState.h"

namespace
{

const int g_worst   = INT_MAX;              // the starting best of a side that has found nothing
const int g_drawCut = 2;                    // plies searched below a draw: the reply, then the evaluation

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
    cells[start] = static_cast<std::uint8_t>(value ^ VisitMark);
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
            cells[neighbour] = static_cast<std::uint8_t>(value ^ VisitMark);
            pending[top++] = static_cast<std::uint8_t>(neighbour);
        }
    }
    return count;
}

// Eight cells at a time: this runs once per card tried.
void ClearMarks(SearchNode& node)
{
    const std::uint64_t keep = 0x0101010101010101ull * static_cast<std::uint8_t>(~VisitMark);
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
        cells[cell] = static_cast<std::uint8_t>(cells[cell] & ~VisitMark);
}

// Red's entries of the per-side arrays come first, White's second; the node
// says whose move it is as a bool.
PlayerID SideOf(bool white)
{
    return white ? White : Red;
}

// A card move the search may try: a free square, or the other side's stone
// while the mover has a knight to spend on it.
bool Playable(const SearchNode& node)
{
    const Landing landing = CTreeSearch::TargetKind(node);
    return landing == FreeSquare || (landing == KnightSquare && node.m_knights[SideOf(node.m_side)] > 0);
}

// The squares whose groups a stone on the king's square can change: that
// square, then the ones above, below, right and left of it, as row and column
// steps.
const int g_around[5][2] = { { 0, 0 }, { 1, 0 }, { -1, 0 }, { 0, 1 }, { 0, -1 } };

// The squared sizes of the White groups minus those of the Red groups met
// around the king, each group counted once, its visit marks toggled.
int ScoreAround(SearchNode& node, std::uint8_t white, std::uint8_t red)
{
    int score = 0;
    for (const auto& step : g_around)
    {
        const int row = node.m_kingRow + step[0];
        const int column = node.m_kingCol + step[1];
        const int whites = CTreeSearch::CountAndMark(node, row, column, white);
        const int reds = CTreeSearch::CountAndMark(node, row, column, red);
        score += whites * whites - reds * reds;
    }
    return score;
}

// The levels as the menu passes them, 1 Easy, 2 Medium, 3 Hard. The depth is
// in plies below the root, 0 meaning none; the knight cost and the draw bonus
// are points of White's score minus Red's, so a knight is worth 7, 28 and 49
// points of score.
struct Level
{
    std::int32_t m_depth;
    std::int32_t m_knightCost;
    std::int32_t m_drawBonus;
};

const Level g_levels[3] = {
    // depth  knight cost  draw bonus
    {  1,     -7,          2 },         // Easy: its own move only
    {  3,     -28,         2 },         // Medium: its move, the reply and its next move
    {  0,     -49,         4 },         // Hard: every line runs until a draw cuts it short
};

// Any level the menu does not offer plays as Hard.
const Level& LevelOf(int difficulty)
{
    return difficulty == 1 || difficulty == 2 ? g_levels[difficulty - 1] : g_levels[2];
}

} // namespace

CTreeSearch::CTreeSearch(int difficulty)
    : m_depth(LevelOf(difficulty).m_depth), m_knightCost(LevelOf(difficulty).m_knightCost),
      m_drawBonus(LevelOf(difficulty).m_drawBonus), m_nodes(0)
{
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

    int best = 0;
    const int chosen = BestCard(root, best);
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
    ApplyMove(node, move);
    if (node.m_depth != 0 && --node.m_depth == 0)
        return node.m_difference;

    node.m_side = !node.m_side;
    int best = 0;
    const bool found = BestCard(node, best) >= 0;
    int drawn = 0;
    if (DrawBeats(node, best, drawn))
        return drawn;
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

Landing CTreeSearch::TargetKind(const SearchNode& node)
{
    const int row = node.m_kingRow;
    const int column = node.m_kingCol;
    if (!OnBoard(row, column))
        return Blocked;
    const std::uint8_t cell = node.m_cells[row * BoardSize + column];
    if (!(cell & StoneBit))
        return FreeSquare;
    if (((cell & WhiteBit) != 0) == node.m_side)
        return Blocked;
    return KnightSquare;
}

// Puts the mover's stone under the king and returns the change of White's
// score minus Red's. Only the groups touching the square can change: the
// first pass scores and marks them as they stand, the second scores them
// with the stone in place and clears the marks again. All marks must be clear
// on entry.
std::int16_t CTreeSearch::PlaceStone(SearchNode& node)
{
    const int before = ScoreAround(node, WhiteStone, RedStone);
    const std::uint8_t stone = node.m_side ? WhiteStone : RedStone;
    node.m_cells[node.m_kingRow * BoardSize + node.m_kingCol] = static_cast<std::uint8_t>(stone | VisitMark);
    const int after = ScoreAround(node, WhiteStone | VisitMark, RedStone | VisitMark);
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
        root.m_cells[cell] = value == Red ? RedStone : value == White ? WhiteStone : NoStone;
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

// The parent's side to move makes move; for a card the king already stands
// on its target.
void CTreeSearch::ApplyMove(SearchNode& node, int move) const
{
    const bool mover = node.m_side;
    if (move < DrawMove)
    {
        ClearMarks(node);
        node.m_handMask = static_cast<std::uint16_t>(node.m_handMask & ~SlotBit(mover, move));
        // An occupied target can only be the other side's stone: the caller checked.
        if (node.m_cells[node.m_kingRow * BoardSize + node.m_kingCol] != NoStone)
        {
            --node.m_knights[SideOf(mover)];
            node.m_difference = static_cast<std::int16_t>(node.m_difference + (mover ? m_knightCost : -m_knightCost));
        }
        node.m_difference = static_cast<std::int16_t>(node.m_difference + PlaceStone(node));
    }
    else if (move == DrawMove)
    {
        node.m_difference = static_cast<std::int16_t>(node.m_difference + (mover ? m_drawBonus : -m_drawBonus));
    }
}

// Tries every card of the side to move and returns the best one's slot, -1
// if none can be played; best gets its value, or the side's starting worst.
// Strictly better only, so among equals the lowest slot stays. The king is
// back on its square afterwards.
int CTreeSearch::BestCard(SearchNode& node, int& best)
{
    const bool side = node.m_side;
    const PlayerID player = SideOf(side);
    best = side ? -g_worst : g_worst;
    int chosen = -1;
    const std::int32_t kingRow = node.m_kingRow;
    const std::int32_t kingCol = node.m_kingCol;
    for (int slot = 0; slot < HandSize; ++slot)
    {
        if (!(node.m_handMask & SlotBit(side, slot)))
            continue;
        node.m_kingRow = kingRow + m_rowStep[player][slot];
        node.m_kingCol = kingCol + m_columnStep[player][slot];
        if (!Playable(node))
            continue;
        const int value = Search(node, slot);
        if (Better(side, value, best))
        {
            best = value;
            chosen = slot;
        }
    }
    node.m_kingRow = kingRow;
    node.m_kingCol = kingCol;
    return chosen;
}

// A side with an empty slot may draw, and below a draw only the reply is
// searched; value gets the draw's value when it beats best for the side.
bool CTreeSearch::DrawBeats(SearchNode& node, int best, int& value)
{
    const bool side = node.m_side;
    if ((node.m_handMask & SideBits(side)) == SideBits(side))
        return false;
    if (node.m_depth == 0 || node.m_depth > g_drawCut)
        node.m_depth = g_drawCut;
    value = Search(node, DrawMove);
    return Better(side, value, best);
}
