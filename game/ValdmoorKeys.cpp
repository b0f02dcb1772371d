#include "ai/ExpertSearch.h"
#include "engine/KeyCodes.h"
#include "game/BackScreen.h"
#include "game/Valdmoor.h"
#include "gui/ModalDialog.h"
#include "gui/NavigationKeys.h"
#include "input/KeyMap.h"

namespace
{

// The hint is the Expert's own choice: the same seed as the Expert seated
// against a person, so a hint and that opponent agree on a position.
const std::uint64_t kHintSeed = 0;

} // namespace

// The keys of the game screen. Each player's map binds the same keys, so that
// they act for whoever is to move. The game's own keys do nothing with Ctrl
// or Alt held, which belong to the shortcuts (Ctrl+D draws no card); Shift
// leaves them as they are.

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
    if (GUI::CModalDialog* question = OpenQuestion())
        question->m_setAside = !question->m_setAside;
    SayEndWords();
}

// A game under way, one with an action played and not over, is not
// replaced without asking; it is kept with the finished games, as every
// game left unfinished is.
void CValdmoor::StartGameOfSameKind()
{
    if (!m_visible || QuestionOpen())
        return;
    const bool underWay =
        !m_match.Reviewing() && !m_match.m_record.m_actions.empty() && !m_match.m_state.IsOver();
    if (!underWay)
    {
        OnNewGameAnswer(true);
        return;
    }
    AskQuestion(this, "Start a new game? This game will be kept with your finished games.",
                &CValdmoor::OnNewGameAnswer, false);
}

// Red moves first in the new game, so Red's map must be the active one.
void CValdmoor::OnNewGameAnswer(bool yes)
{
    if (!yes)
        return;
    NewGame();
    KeepKeyMapsInStep();
}

void CValdmoor::BindKeys(PlayerID player)
{
    using namespace Input::Keyboard;
    CKeyMap& map = m_keyMaps[player];
    for (int slot = 0; slot < HandSize; ++slot)
        map.BindKey(static_cast<std::uint16_t>(Keys::Digit1 + slot),
                    Closure2<CValdmoor, PlayerID, int>(this, &CValdmoor::HumanPlayCard, player, slot), Pressed,
                    WithoutCtrlOrAlt);
    for (int slot = 0; slot < HandSize; ++slot)
        map.BindKey(static_cast<std::uint16_t>(Keys::Pad1 + slot),
                    Closure2<CValdmoor, PlayerID, int>(this, &CValdmoor::HumanPlayCard, player, slot), Pressed,
                    WithoutCtrlOrAlt);
    map.BindKey(Keys::D, Functor0<CValdmoor>(this, &CValdmoor::HumanDrawCard), Pressed, WithoutCtrlOrAlt);
    map.BindKey(Keys::S, Functor0<CValdmoor>(this, &CValdmoor::HumanSkipTurn), Pressed, WithoutCtrlOrAlt);
    map.BindKey(Keys::Escape, Functor0<CValdmoor>(this, &CValdmoor::QuitGame), Pressed, WithoutCtrlOrAlt);

    const struct
    {
        int               key;
        std::uint32_t     modifiers;
        void (CValdmoor::*action)();
    } shortcuts[] = {
        {'Z', Ctrl, &CValdmoor::TakeBack},
        {'Z', Ctrl | Shift, &CValdmoor::PutBack},
        {'Y', Ctrl, &CValdmoor::PutBack},
        {'N', Ctrl, &CValdmoor::StartGameOfSameKind},
        {Keys::Left, WithoutCtrlOrAlt, &CValdmoor::ReviewBack},
        {Keys::Right, WithoutCtrlOrAlt, &CValdmoor::ReviewOn},
        {Keys::Home, WithoutCtrlOrAlt, &CValdmoor::ReviewFirst},
        {Keys::End, WithoutCtrlOrAlt, &CValdmoor::ReviewLast},
        {Keys::F1, WithoutCtrlOrAlt, &CValdmoor::ShowRules},
        {'H', WithoutCtrlOrAlt, &CValdmoor::ShowHint},
        {'V', WithoutCtrlOrAlt, &CValdmoor::ToggleEndQuestion},
    };
    for (const auto& binding : shortcuts)
        map.BindKey(static_cast<std::uint16_t>(binding.key), Functor0<CValdmoor>(this, binding.action), Pressed,
                    binding.modifiers);
    GUI::BindNavigationKeys(map, this);
}
