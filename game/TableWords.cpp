#include "game/TableWords.h"

const char* const OnlySkipWords = "No card fits and your hand is full: Skip.";
const char* const ComputerDrewWords = "The computer drew a card.";
const char* const ComputerSkippedWords = "The computer skipped: it could not play or draw.";
const char* const BoardViewWords = "V hides the question to show the whole board.";
const char* const QuestionBackWords = "V brings the question back.";

namespace
{

std::string Signed(int change)
{
    return (change >= 0 ? "+" : "") + std::to_string(change);
}

} // namespace

std::string SideName(PlayerID side, bool againstComputer)
{
    if (againstComputer)
        return side == Red ? "You" : "Computer";
    return side == Red ? "Red" : "White";
}

std::string TurnWords(const CGameState& game, bool againstComputer)
{
    if (game.IsOver())
        return "Game over: " +
               FinalScoreWords(game.m_players[Red].m_score, game.m_players[White].m_score, againstComputer);
    if (againstComputer)
        return game.m_current == Red ? "Your turn" : "The computer's turn";
    return game.m_current == Red ? "Red's turn" : "White's turn";
}

std::string FinalScoreWords(int red, int white, bool againstComputer)
{
    return SideName(Red, againstComputer) + " " + std::to_string(red) + " : " + SideName(White, againstComputer) +
           " " + std::to_string(white);
}

std::string CardsLeftWords(int cards)
{
    return "Cards left: " + std::to_string(cards);
}

std::string ScoreChangeWords(PlayerID mover, int moverChange, int otherChange, bool againstComputer)
{
    return SideName(mover, againstComputer) + " " + Signed(moverChange) + "  " +
           SideName(Opponent(mover), againstComputer) + " " + Signed(otherChange);
}
