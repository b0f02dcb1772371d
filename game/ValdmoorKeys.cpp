#include "ai/ExpertSearch.h"
#include "engine/KeyCodes.h"
#include "game/BackScreen.h"
#include "game/Valdmoor.h"
#include "gui/ModalDialog.h"
#include "input/KeyMap.h"

namespace
{

// The hint is the Expert's own choice: the same seed as the Expert seated
// against a person, so a hint and that opponent agree on a position.
const std::uint64_t kHintSeed = 0;

} // namespace

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

// The game stays as it is: not dealt anew when shown again, and the
// computer's turn taken up where it was.
void CValdmoor::ShowRules()
{
    if (!m_visible || !m_rules || QuestionOpen())
        return;
    m_dealOnShow = false;
    m_rules->ShowOver(this);
}

void CValdmoor::ShowHint()
{
    if (!m_visible || QuestionOpen() || !PersonToMove())
        return;
    if (!m_hintSearch)
        m_hintSearch = new CExpertSearch(kHintSeed);
    m_hint = m_hintSearch->ChooseAction(m_match.m_state);
    m_hintShown = true;
}

// The question keeps the mouse while it is aside, so the board can only be
// looked at; it answers again once back.
void CValdmoor::ToggleEndQuestion()
{
    if (!m_visible || !m_match.m_state.IsOver())
        return;
    for (GUI::IBaseWidget* child : m_children)
        if (GUI::CModalDialog* question = dynamic_cast<GUI::CModalDialog*>(child))
            question->m_setAside = !question->m_setAside;
    SayEndWords();
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
        {Keys::F1, NoModifiers, &CValdmoor::ShowRules},   {'H', NoModifiers, &CValdmoor::ShowHint},
        {'V', NoModifiers, &CValdmoor::ToggleEndQuestion},
    };
    for (const auto& binding : recordKeys)
        map.BindKey(static_cast<std::uint16_t>(binding.key), Functor0<CValdmoor>(this, binding.action), Pressed,
                    binding.modifiers);
}

