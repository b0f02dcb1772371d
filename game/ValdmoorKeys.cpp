#include "engine/KeyCodes.h"
#include "game/Valdmoor.h"
#include "input/KeyMap.h"

// The keys of the game screen. Each player's map binds the same keys, so that
// they act for whoever is to move.

void CValdmoor::TakeBack()
{
    if (m_visible && !QuestionOpen())
        m_match.TakeBack();
}

void CValdmoor::PutBack()
{
    if (m_visible && !QuestionOpen())
        m_match.PutBack();
}

void CValdmoor::ReviewBack()
{
    m_match.ReviewStep(-1);
}

void CValdmoor::ReviewOn()
{
    m_match.ReviewStep(1);
}

void CValdmoor::ReviewFirst()
{
    m_match.ReviewEnd(false);
}

void CValdmoor::ReviewLast()
{
    m_match.ReviewEnd(true);
}

void CValdmoor::BindKeys(PlayerID player)
{
    Input::Keyboard::CKeyMap& map = m_keyMaps[player];
    for (int slot = 0; slot < HandSize; ++slot)
        map.BindKey(static_cast<std::uint16_t>(Keys::Digit1 + slot),
                    Closure2<CValdmoor, PlayerID, int>(this, &CValdmoor::HumanPlayCard, player, slot),
                    Input::Keyboard::Pressed);
    for (int slot = 0; slot < HandSize; ++slot)
        map.BindKey(static_cast<std::uint16_t>(Keys::Pad1 + slot),
                    Closure2<CValdmoor, PlayerID, int>(this, &CValdmoor::HumanPlayCard, player, slot),
                    Input::Keyboard::Pressed);
    map.BindKey(Keys::D, Functor0<CValdmoor>(this, &CValdmoor::HumanDrawCard), Input::Keyboard::Pressed);
    map.BindKey(Keys::S, Functor0<CValdmoor>(this, &CValdmoor::HumanSkipTurn), Input::Keyboard::Pressed);
    map.BindKey(Keys::Escape, Functor0<CValdmoor>(this, &CValdmoor::QuitGame), Input::Keyboard::Pressed);

    using namespace Input::Keyboard;
    const struct
    {
        int               key;
        std::uint32_t     modifiers;
        void (CValdmoor::*action)();
    } recordKeys[] = {
        {'Z', Ctrl, &CValdmoor::TakeBack},          {'Z', Ctrl | Shift, &CValdmoor::PutBack},
        {'Y', Ctrl, &CValdmoor::PutBack},           {Keys::Left, AnyModifiers, &CValdmoor::ReviewBack},
        {Keys::Right, AnyModifiers, &CValdmoor::ReviewOn}, {Keys::Home, AnyModifiers, &CValdmoor::ReviewFirst},
        {Keys::End, AnyModifiers, &CValdmoor::ReviewLast},
    };
    for (const auto& binding : recordKeys)
        map.BindKey(static_cast<std::uint16_t>(binding.key), Functor0<CValdmoor>(this, binding.action), Pressed,
                    binding.modifiers);
}

