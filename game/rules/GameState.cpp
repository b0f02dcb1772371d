#include "game/rules/GameState.h"

#include <cassert>

#include "game/rules/Card.h"
#include "game/rules/GameObserver.h"

namespace
{

const int g_kingStart = 4;                  // the king starts on the centre square

} // namespace

CGameState::CGameState(IGameObserver* observer, ShuffleClock clock)
    : m_currentController(Human), m_kingRow(g_kingStart), m_kingCol(g_kingStart), m_current(Red),
      m_deck(clock), m_lastMove{false, Red, 0, 0}, m_over(false), m_observer(observer)
{
    m_controller[Red] = Human;
    m_controller[White] = Human;
    for (int cell = 0; cell < CellCount; ++cell)
    {
        m_board[cell] = EmptyCell;
        m_scratch[cell] = EmptyCell;
    }
    for (PlayerState& player : m_players)
    {
        player.m_score = 0;
        player.m_knights = 0;
        for (int slot = 0; slot < HandSize; ++slot)
        {
            player.m_playable[slot] = false;
            player.m_hand[slot] = NoCard;
        }
    }
}

// A message left from the last game would read as if it were about this one.
void CGameState::NewGame()
{
    m_observer->OnStatus("");
    m_lastMove = KingMove{false, Red, 0, 0};
    m_kingRow = g_kingStart;
    m_kingCol = g_kingStart;
    for (int& cell : m_board)
        cell = EmptyCell;
    m_current = Red;
    m_over = false;

    for (PlayerState& player : m_players)
    {
        for (bool& playable : player.m_playable)
            playable = true;
        player.m_knights = KnightCount;
    }
    m_observer->OnKnightsShown();

    ComputeScores(m_board, m_players[Red].m_score, m_players[White].m_score);
    m_observer->OnScoresChanged(m_players[Red].m_score, m_players[White].m_score);

    m_deck.Reset();
    m_deck.Shuffle();
    for (int slot = 0; slot < HandSize; ++slot)
        DealCard(Red, m_deck.Take(), slot);
    for (int slot = 0; slot < HandSize; ++slot)
        DealCard(White, m_deck.Take(), slot);

    UpdateMoves();
    m_observer->OnHandsShaded(true);
}

void CGameState::PlayCard(PlayerID player, int slot)
{
    assert((player == Red || player == White) && slot >= 0 && slot < HandSize);
    PlayerState& mover = m_players[player];
    if (m_currentController != Human && player == Red)
    {
        m_observer->OnStatus("It is not your turn to play a card. AI");
        return;
    }
    if (player != m_current)
    {
        m_observer->OnStatus("It is not your turn. Wrong player");
        return;
    }
    if (!mover.m_playable[slot])
    {
        m_observer->OnStatus("This move (" + std::to_string(slot + 1) +
                             ") is not possible, please do something else.");
        return;
    }
    if (mover.m_hand[slot] == NoCard)
    {
        m_observer->OnStatus("That slot does not contain a card.");
        return;
    }

    m_observer->OnStatus("");
    const int card = mover.m_hand[slot];
    const int from = m_kingRow * BoardSize + m_kingCol;
    MoveKing(card);
    m_deck.Discard(card);
    m_lastMove = KingMove{true, player, from, m_kingRow * BoardSize + m_kingCol};

    int& target = m_board[m_kingRow * BoardSize + m_kingCol];
    if (target == Opponent(player))
    {
        --mover.m_knights;
        m_observer->OnKnightSpent(player, mover.m_knights);
    }
    target = m_current;

    m_observer->OnCardPlayed(player, slot);
    mover.m_hand[slot] = NoCard;

    PassTurn();
    ComputeScores(m_board, m_players[Red].m_score, m_players[White].m_score);
    m_observer->OnScoresChanged(m_players[Red].m_score, m_players[White].m_score);
    UpdateMoves();
    m_observer->OnHandsShaded(false);
}

void CGameState::DrawCard()
{
    if (m_currentController != Human && m_current == Red)
    {
        m_observer->OnStatus("It is not your turn to draw.");
        return;
    }
    const int* hand = m_players[m_current].m_hand;
    int slot = 0;
    while (slot < HandSize && hand[slot] != NoCard)
        ++slot;
    if (slot == HandSize)
    {
        m_observer->OnStatus("You already have 5 cards.");
        return;
    }

    m_observer->OnStatus("");
    DealCard(m_current, m_deck.Take(), slot);
    PassTurn();
    UpdateMoves();
    m_observer->OnHandsShaded(false);
}

void CGameState::SkipTurn()
{
    if (m_currentController != Human && m_current == Red)
    {
        m_observer->OnStatus("It is not your turn to skip.");
        return;
    }
    for (bool playable : m_players[m_current].m_playable)
    {
        if (playable)
        {
            m_observer->OnStatus("Skipping a turn is only allowed if there are NO possible moves.");
            return;
        }
    }

    m_observer->OnStatus("");
    PassTurn();
    UpdateMoves();
    m_observer->OnHandsShaded(false);
}

void CGameState::EndTurn()
{
    m_current = Opponent(m_current);
    m_currentController = m_controller[m_current];
    if (m_currentController == Computer)
        m_observer->OnComputerToMove();
}

void CGameState::UpdateMoves()
{
    bool anyAction = false;
    for (PlayerID player : { Red, White })
    {
        PlayerState& state = m_players[player];
        for (int slot = 0; slot < HandSize; ++slot)
        {
            const int card = state.m_hand[slot];
            state.m_playable[slot] = card == NoCard || IsPlayable(player, card);
            anyAction = anyAction || state.m_playable[slot];
        }
    }
    if (anyAction)
        return;

    // A game that ends with the computer to move reaches this point twice:
    // once after the last human action, again after the computer's forced
    // skip. The end is announced the first time only.
    if (m_over)
        return;
    m_over = true;
    m_observer->OnGameOver(ResultText() + " Do you want to play another game?");
}

void CGameState::ComputeScores(const int board[CellCount], int& red, int& white)
{
    int sums[2] = { 0, 0 };
    for (int cell = 0; cell < CellCount; ++cell)
        m_scratch[cell] = board[cell];

    for (std::int16_t row = 0; row < BoardSize; ++row)
    {
        for (std::int16_t column = 0; column < BoardSize; ++column)
        {
            int& cell = m_scratch[row * BoardSize + column];
            const int colour = cell;
            if (colour == EmptyCell)
                continue;
            std::int16_t count = 1;
            cell = EmptyCell;
            CountGroup(row, column, count, colour);
            sums[colour] += count * count;
        }
    }
    red = sums[Red];
    white = sums[White];
}

void CGameState::CountGroup(std::int16_t row, std::int16_t column, std::int16_t& count, int colour)
{
    if (!OnBoard(row, column))
        return;
    const int neighbours[4][2] = { { row, column + 1 }, { row, column - 1 }, { row + 1, column }, { row - 1, column } };
    for (const int* neighbour : neighbours)
    {
        if (!OnBoard(neighbour[0], neighbour[1]))
            continue;
        int& cell = m_scratch[neighbour[0] * BoardSize + neighbour[1]];
        if (cell != colour)
            continue;
        cell = EmptyCell;
        ++count;
        CountGroup(static_cast<std::int16_t>(neighbour[0]), static_cast<std::int16_t>(neighbour[1]), count, colour);
    }
}

void CGameState::MoveKing(int card)
{
    ::MoveKing(card, m_kingRow, m_kingCol);
}

void CGameState::DealCard(PlayerID player, int card, int slot)
{
    assert((player == Red || player == White) && card >= 0 && card < CardCount && slot >= 0 && slot < HandSize);
    m_players[player].m_hand[slot] = card;
    m_observer->OnCardDealt(player, card, slot);
}

void CGameState::SetController(PlayerID player, Controller controller)
{
    m_controller[player] = controller;
}

// The mover's copy follows, so a game started right after this is fully
// human even if the computer had the move when the last game was left.
void CGameState::ResetControllers()
{
    m_controller[Red] = Human;
    m_controller[White] = Human;
    m_currentController = Human;
}

std::string CGameState::ResultText() const
{
    const int red = m_players[Red].m_score;
    const int white = m_players[White].m_score;
    if (red == white)
        return "The game is a draw, nobody wins.";
    if (m_controller[White] == Computer)
        return red > white ? "You win." : "You lose.";
    return red > white ? "Red wins." : "White wins.";
}

bool CGameState::IsOver() const
{
    return m_over;
}

// The king stays where it is; only a copy of its square is moved.
bool CGameState::IsPlayable(PlayerID player, int card) const
{
    int row = m_kingRow;
    int column = m_kingCol;
    ::MoveKing(card, row, column);
    if (!OnBoard(row, column))
        return false;
    const int cell = m_board[row * BoardSize + column];
    if (cell == player)
        return false;
    if (cell == Opponent(player))
        return m_players[player].m_knights > 0;
    return true;
}

// Every successful action hands over the move this way.
void CGameState::PassTurn()
{
    EndTurn();
    m_observer->OnTurnPassed(m_current);
}
