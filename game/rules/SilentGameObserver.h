#pragma once

#include "game/rules/GameObserver.h"

// An observer for games played without a screen (the arena, the benchmark):
// it shows nothing. Derive from it to watch just the events you need.
class CSilentGameObserver : public IGameObserver
{
public:
    // Every report is ignored.
    void OnStatus(const std::string&) override {}
    void OnKnightsShown() override {}
    void OnScoresChanged(int, int) override {}
    void OnCardDealt(PlayerID, int, int) override {}
    void OnKnightSpent(PlayerID, int) override {}
    void OnCardPlayed(PlayerID, int) override {}
    void OnComputerToMove() override {}
    void OnTurnPassed(PlayerID) override {}
    void OnGameOver(const std::string&) override {}
    void OnHandsShaded(bool) override {}
};
