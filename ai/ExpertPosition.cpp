#include "ai/ExpertPosition.h"

#include <utility>

#include "ai/ExpertRandom.h"
#include "ai/TreeSearch.h"
#include "game/rules/GameState.h"

namespace
{

// Row and column steps of every card, looked up once per move tried.
struct CardSteps
{
    std::int8_t m_row[CardCount];
    std::int8_t m_column[CardCount];
};

CardSteps MakeSteps()
{
    CardSteps steps{};
    for (int card = 0; card < CardCount; ++card)
    {
        steps.m_row[card] = static_cast<std::int8_t>(CardRowStep(card));
        steps.m_column[card] = static_cast<std::int8_t>(CardColumnStep(card));
    }
    return steps;
}

const CardSteps g_steps = MakeSteps();

// The worths a playout weighs its moves by.
const int g_neighbourWorth = 2;             // per orthogonal neighbour holding the mover's stone
const int g_drawWorth      = 1;             // of a draw
const int g_knightSpent    = 3;             // taken off a move onto the other side's stone

// The square's orthogonal neighbours that hold the stone own.
int OwnNeighbours(const SearchNode& node, int row, int column, std::uint8_t own)
{
    const int cell = row * BoardSize + column;
    return (row > 0 && node.m_cells[cell - BoardSize] == own) +
           (row < BoardSize - 1 && node.m_cells[cell + BoardSize] == own) +
           (column > 0 && node.m_cells[cell - 1] == own) + (column < BoardSize - 1 && node.m_cells[cell + 1] == own);
}

void ShuffleCards(std::int8_t* cards, int count, CExpertRandom& random)
{
    for (int last = count - 1; last > 0; --last)
        std::swap(cards[last], cards[random.Below(last + 1)]);
}

} // namespace

void ExpertPosition::SetUp(const CGameState& game)
{
    m_node = SearchNode{};
    m_node.m_side = game.m_current == White;
    bool seen[CardCount] = {};
    for (PlayerID player : { Red, White })
    {
        const PlayerState& state = game.m_players[player];
        m_node.m_knights[player] = static_cast<std::uint8_t>(state.m_knights);
        for (int slot = 0; slot < HandSize; ++slot)
        {
            m_hands[player][slot] = static_cast<std::int8_t>(state.m_hand[slot]);
            if (state.m_hand[slot] != NoCard)
                seen[state.m_hand[slot]] = true;
        }
    }
    for (int cell = 0; cell < CellCount; ++cell)
        m_node.m_cells[cell] = game.m_board[cell] == Red ? RedStone : game.m_board[cell] == White ? WhiteStone : NoStone;
    m_node.m_kingRow = game.m_kingRow;
    m_node.m_kingCol = game.m_kingCol;

    m_discardSize = 0;
    for (const int card : game.m_deck.m_discardPile)
    {
        seen[card] = true;
        m_discards[m_discardSize++] = static_cast<std::int8_t>(card);
    }
    m_pileSize = 0;
    for (int card = 0; card < CardCount; ++card)
    {
        if (!seen[card])
            m_pile[m_pileSize++] = static_cast<std::int8_t>(card);
    }
    m_over = !CanAct(Red) && !CanAct(White);
}

void ExpertPosition::Shuffle(CExpertRandom& random)
{
    ShuffleCards(m_pile, m_pileSize, random);
}

PlayerID ExpertPosition::Mover() const
{
    return m_node.m_side ? White : Red;
}

int ExpertPosition::LegalMoves(std::uint8_t moves[ExpertMoves]) const
{
    const PlayerID mover = Mover();
    int count = 0;
    bool canDraw = false;
    for (int slot = 0; slot < HandSize; ++slot)
    {
        if (m_hands[mover][slot] == NoCard)
            canDraw = true;
        else if (Playable(mover, slot))
            moves[count++] = static_cast<std::uint8_t>(slot);
    }
    if (canDraw)
        moves[count++] = ExpertDraw;
    if (count == 0)
        moves[count++] = ExpertSkip;
    return count;
}

// A card may take the king to an empty square, or onto the other side's
// stone while its player has a knight to spend.
bool ExpertPosition::Playable(PlayerID player, int slot) const
{
    const int card = m_hands[player][slot];
    if (card == NoCard)
        return false;
    const int row = m_node.m_kingRow + g_steps.m_row[card];
    const int column = m_node.m_kingCol + g_steps.m_column[card];
    if (!OnBoard(row, column))
        return false;
    const std::uint8_t cell = m_node.m_cells[row * BoardSize + column];
    if (!(cell & StoneBit))
        return true;
    return ((cell & WhiteBit) != 0) != (player == White) && m_node.m_knights[player] > 0;
}

bool ExpertPosition::CanAct(PlayerID player) const
{
    for (int slot = 0; slot < HandSize; ++slot)
    {
        if (m_hands[player][slot] == NoCard || Playable(player, slot))
            return true;
    }
    return false;
}

// A stone beside the mover's own stones grows a group, and a larger group
// is worth more; a knight spent is worth less than a stone beside one, and
// a draw sits between a stone beside one and a stone alone.
int ExpertPosition::PlayoutMove(const std::uint8_t* moves, int count, CExpertRandom& random) const
{
    const PlayerID mover = Mover();
    const std::uint8_t own = mover == White ? WhiteStone : RedStone;
    int chosen = moves[0];
    int best = -g_knightSpent - 1;          // below every move's worth
    int equals = 0;
    for (int index = 0; index < count; ++index)
    {
        int worth = g_drawWorth;
        if (moves[index] < ExpertDraw)
        {
            const int card = m_hands[mover][moves[index]];
            const int row = m_node.m_kingRow + g_steps.m_row[card];
            const int column = m_node.m_kingCol + g_steps.m_column[card];
            worth = g_neighbourWorth * OwnNeighbours(m_node, row, column, own);
            if (m_node.m_cells[row * BoardSize + column] != NoStone)
                worth -= g_knightSpent;
        }
        // Among equals each is kept with an equal chance, drawn as they come.
        if (worth > best)
        {
            best = worth;
            chosen = moves[index];
            equals = 1;
        }
        else if (worth == best && random.Below(++equals) == 0)
        {
            chosen = moves[index];
        }
    }
    return chosen;
}

void ExpertPosition::Apply(int move, CExpertRandom& random)
{
    const PlayerID mover = Mover();
    if (move < ExpertDraw)
    {
        const int card = m_hands[mover][move];
        m_node.m_kingRow += g_steps.m_row[card];
        m_node.m_kingCol += g_steps.m_column[card];
        std::uint8_t& target = m_node.m_cells[m_node.m_kingRow * BoardSize + m_node.m_kingCol];
        if (target != NoStone)
            --m_node.m_knights[mover];
        target = mover == White ? WhiteStone : RedStone;
        m_hands[mover][move] = NoCard;
        m_discards[m_discardSize++] = static_cast<std::int8_t>(card);
        // The mover now holds an empty slot, so the game goes on.
        m_node.m_side = !m_node.m_side;
        return;
    }
    if (move == ExpertDraw)
    {
        int slot = 0;
        while (m_hands[mover][slot] != NoCard)
            ++slot;
        m_hands[mover][slot] = m_pile[--m_pileSize];
        if (m_pileSize == 0)
        {
            for (int card = 0; card < m_discardSize; ++card)
                m_pile[card] = m_discards[card];
            m_pileSize = m_discardSize;
            m_discardSize = 0;
            ShuffleCards(m_pile, m_pileSize, random);
        }
    }
    m_node.m_side = !m_node.m_side;
    m_over = !CanAct(Red) && !CanAct(White);
}

// Groups are counted on a copy, whose cells keep the visit marks.
int ExpertPosition::Difference() const
{
    SearchNode marked = m_node;
    int difference = 0;
    for (int cell = 0; cell < CellCount; ++cell)
    {
        // A marked stone belongs to a group already counted.
        const std::uint8_t stone = marked.m_cells[cell];
        if (stone != WhiteStone && stone != RedStone)
            continue;
        const int count = CTreeSearch::CountAndMark(marked, cell / BoardSize, cell % BoardSize, stone);
        difference += stone == WhiteStone ? count * count : -count * count;
    }
    return difference;
}

int ExpertPosition::Value(int knightValue) const
{
    if (m_over)
        return Difference();
    return Difference() + knightValue * (m_node.m_knights[White] - m_node.m_knights[Red]);
}
