#include "ai/ExpertSearch.h"

#include <cmath>

#include "game/rules/GameState.h"

namespace
{

const int   g_iterations   = 4000;          // per decision; the tree gains one node each
const int   g_deepest      = 64;            // moves from the root past which the tree is not walked
const int   g_playoutPlies = 8;             // moves of the playout policy after the tree's last node
const int   g_knightValue  = 65;            // points of score a knight left is worth
const float g_gainScale    = 20.0f;         // points of value gained that move their half of the reward from 0.25 to 0.37
const float g_leadScale    = 30.0f;         // points of value ahead that move their half likewise
const float g_exploration  = 0.4f;          // weight of the upper confidence bound's bonus

} // namespace

CExpertSearch::CExpertSearch(std::uint64_t seed)
    : m_pool(g_iterations + 1), m_used(0), m_seed(seed), m_random(seed), m_rootValue(0)
{
}

Decision CExpertSearch::ChooseAction(const CGameState& game)
{
    ExpertPosition root;
    root.SetUp(game);
    std::uint8_t moves[ExpertMoves];
    const int count = root.LegalMoves(moves);
    m_used = 1;
    m_pool[0] = Node{};
    if (count > 1)
    {
        m_random = CExpertRandom(PositionSeed(game));
        m_rootValue = root.Value(g_knightValue);
        for (int iteration = 0; iteration < g_iterations; ++iteration)
            Iterate(root);
    }

    // The move tried most often; among equals the first.
    int chosen = moves[0];
    std::uint32_t most = 0;
    for (int index = 0; index < count; ++index)
    {
        const std::int32_t child = m_pool[0].m_children[moves[index]];
        if (child != 0 && m_pool[child].m_visits > most)
        {
            most = m_pool[child].m_visits;
            chosen = moves[index];
        }
    }
    if (chosen == ExpertDraw)
        return Decision{ Decision::Draw, -1 };
    if (chosen == ExpertSkip)
        return Decision{ Decision::Skip, -1 };
    return Decision{ Decision::Play, chosen };
}

std::uint32_t CExpertSearch::Nodes() const
{
    return m_used;
}

// Only what both players see goes in: the board, the king, whose move it is,
// hands, knights, scores and which cards have been played.
std::uint64_t CExpertSearch::PositionSeed(const CGameState& game) const
{
    CExpertRandom mix(m_seed);
    std::uint64_t hash = mix.Next();
    const auto add = [&hash](std::uint64_t value) { hash = (hash ^ value) * 0x100000001B3ull; };
    for (const int cell : game.m_board)
        add(static_cast<std::uint64_t>(cell));
    add(static_cast<std::uint64_t>(game.m_kingRow * BoardSize + game.m_kingCol));
    add(static_cast<std::uint64_t>(game.m_current));
    for (const PlayerState& player : game.m_players)
    {
        add(static_cast<std::uint64_t>(player.m_knights));
        add(static_cast<std::uint64_t>(player.m_score));
        for (const int card : player.m_hand)
            add(static_cast<std::uint64_t>(card));
    }
    std::uint32_t played = 0;
    for (const int card : game.m_deck.m_discardPile)
        played |= 1u << card;
    add(played);
    return hash;
}

void CExpertSearch::Iterate(const ExpertPosition& root)
{
    ExpertPosition position = root;
    position.Shuffle(m_random);
    std::int32_t path[g_deepest];           // the nodes walked through, below the root
    PlayerID movers[g_deepest];             // who made each one's move
    int length = 0;
    std::int32_t current = 0;
    std::uint8_t moves[ExpertMoves];

    while (!position.m_over && length < g_deepest)
    {
        const int count = position.LegalMoves(moves);
        Node& node = m_pool[current];
        int move = -1;
        for (int index = 0; index < count && move < 0; ++index)
        {
            if (node.m_children[moves[index]] == 0)
                move = moves[index];
        }
        for (int index = 0; index < count; ++index)
        {
            if (node.m_children[moves[index]] != 0)
                ++m_pool[node.m_children[moves[index]]].m_offered;
        }
        if (move >= 0)
        {
            // A move new to this node: it gets its node, and the playout starts below it.
            if (m_used == m_pool.size())
                break;
            const std::int32_t added = static_cast<std::int32_t>(m_used++);
            m_pool[added] = Node{};
            m_pool[added].m_offered = 1;
            m_pool[current].m_children[move] = added;
            movers[length] = position.Mover();
            path[length++] = added;
            position.Apply(move, m_random);
            break;
        }
        move = Select(node, moves, count);
        current = node.m_children[move];
        movers[length] = position.Mover();
        path[length++] = current;
        position.Apply(move, m_random);
    }

    const float white = Playout(position);
    ++m_pool[0].m_visits;
    for (int step = 0; step < length; ++step)
    {
        Node& node = m_pool[path[step]];
        ++node.m_visits;
        node.m_reward += movers[step] == White ? white : 1.0f - white;
    }
}

// The upper confidence bound, counting for each move only the visits in
// which it could be played: with the cards dealt differently on every
// iteration, a move is not always there to be chosen.
int CExpertSearch::Select(const Node& node, const std::uint8_t* moves, int count) const
{
    int best = moves[0];
    float bestScore = -1.0f;
    for (int index = 0; index < count; ++index)
    {
        const Node& child = m_pool[node.m_children[moves[index]]];
        const float visits = static_cast<float>(child.m_visits);
        const float score = child.m_reward / visits +
                            g_exploration * std::sqrt(std::log(static_cast<float>(child.m_offered)) / visits);
        if (score > bestScore)
        {
            bestScore = score;
            best = moves[index];
        }
    }
    return best;
}

// White's reward, 0..1, of a short line from the position.
float CExpertSearch::Playout(ExpertPosition& position)
{
    std::uint8_t moves[ExpertMoves];
    for (int ply = 0; ply < g_playoutPlies && !position.m_over; ++ply)
    {
        const int count = position.LegalMoves(moves);
        // Lines of random moves scatter lone stones and throw knights away,
        // and so misjudge the positions they start from; lines in which each
        // side grows its groups come nearer to real play.
        position.Apply(position.PlayoutMove(moves, count, m_random), m_random);
    }
    // Half the reward is the value gained since the root, so that a game
    // already won or lost is still played well; half is the value ahead at
    // the line's end, so that a line ending ahead beats one that only gains.
    const int value = position.Value(g_knightValue);
    const float gain = static_cast<float>(value - m_rootValue) / g_gainScale;
    const float lead = static_cast<float>(value) / g_leadScale;
    return 0.5f / (1.0f + std::exp(-gain)) + 0.5f / (1.0f + std::exp(-lead));
}
