#include "game/Match.h"

#include "ai/BaseAI.h"
#include "engine/Callables.h"
#include "engine/Task.h"
#include "engine/Time.h"
#include "engine/TimedTask.h"
#include "game/GameArchive.h"
#include "game/TableWords.h"
#include "game/rules/Replay.h"

namespace
{

template <typename Callable>
using ActionTask = Tasks::CTask<Tasks::Starters::Immediate, Tasks::Flushers::Once, Callable>;

// The computer's reply waits this long after the move before it, so that the
// player sees that move land first.
const double kComputerPause = 0.5;          // seconds

// What a person hears who tries to act for the computer.
const char* const kComputersTurn[] = {
    "It is not your turn to play a card. AI",
    "It is not your turn to draw.",
    "It is not your turn to skip.",
};

// Everything the rules report goes on to the view as it is, but for the two
// reports the match itself acts on.
class CRulesReports : public IGameObserver
{
public:
    CRulesReports(CMatch* match, IGameObserver* view) : m_match(match), m_view(view) {}

    void OnStatus(const std::string& text) override { m_match->ReportStatus(text); }
    void OnKnightsShown() override { m_view->OnKnightsShown(); }
    void OnScoresChanged(int red, int white) override { m_view->OnScoresChanged(red, white); }
    void OnCardDealt(PlayerID player, int card, int slot) override { m_view->OnCardDealt(player, card, slot); }
    void OnKnightSpent(PlayerID player, int knight) override { m_view->OnKnightSpent(player, knight); }
    void OnCardPlayed(PlayerID player, int slot) override { m_view->OnCardPlayed(player, slot); }
    void OnComputerToMove() override { m_match->ComputerGetsTheMove(); }
    void OnTurnPassed(PlayerID toMove) override { m_view->OnTurnPassed(toMove); }
    void OnGameOver(const std::string& question) override { m_match->GameEnds(question); }
    void OnHandsShaded(bool newGame) override { m_view->OnHandsShaded(newGame); }

private:
    CMatch*        m_match;                 // the match these reports belong to; owns this
    IGameObserver* m_view;                  // the screen; not owned
};

} // namespace

CMatch::CMatch(IGameObserver* view, ShuffleClock clock)
    : m_reports(new CRulesReports(this, view)), m_state(m_reports, clock),
      m_record(NewRecord(PersonLevel, PersonLevel, 0)), m_view(view), m_archive(nullptr),
      m_ai(nullptr), m_level(PersonLevel), m_computerTurns(0), m_rebuilding(false), m_halted(false), m_reviewing(false),
      m_reviewShown(0), m_actionWords(nullptr)
{
}

CMatch::~CMatch()
{
    delete m_ai;
    delete m_archive;
    delete m_reports;
}

void CMatch::SeatComputer(IBaseAI* ai, int level)
{
    if (ai != m_ai)
        delete m_ai;
    m_ai = ai;
    m_ai->m_game = this;
    m_level = level;
    Seat();
}

void CMatch::SeatPeople()
{
    delete m_ai;
    m_ai = nullptr;
    m_level = PersonLevel;
    Seat();
}

int CMatch::ComputerLevel() const
{
    return m_level;
}

bool CMatch::AgainstComputer() const
{
    return m_reviewing ? m_record.m_levels[White] != PersonLevel : m_level != PersonLevel;
}

void CMatch::KeepIn(CGameArchive* archive)
{
    if (archive != m_archive)
        delete m_archive;
    m_archive = archive;
}

CGameArchive* CMatch::Archive() const
{
    return m_archive;
}

// A game left unfinished is kept with the finished ones before its place is
// taken, so that no game is ever lost.
void CMatch::NewGame()
{
    if (m_archive && !m_reviewing && !m_record.m_finished && !m_record.m_actions.empty())
        m_archive->Keep(m_record);
    m_reviewing = false;
    m_halted = false;
    m_redo.clear();
    ++m_computerTurns;
    Seat();
    m_state.NewGame();
    m_record = NewRecord(PersonLevel, m_level, m_state.m_deck.m_lastSeed);
    Save();
}

bool CMatch::Resume(const GameRecord& record)
{
    RecordError error;
    if (record.m_finished || !CheckRecord(record, error))
        return false;
    m_reviewing = false;
    m_halted = false;
    m_redo.clear();
    m_record = record;
    m_record.m_actionLines.clear();
    Rebuild(m_record.m_actions.size());
    return true;
}

void CMatch::Review(const GameRecord& record)
{
    m_reviewing = true;
    m_halted = false;
    m_redo.clear();
    m_record = record;
    m_reviewShown = 0;
    Rebuild(0);
    ShowReviewPosition();
}

void CMatch::PersonActs(GameAction action)
{
    if (m_reviewing)
        return;
    if (m_state.m_currentController == Computer)
    {
        m_reports->OnStatus(kComputersTurn[action.m_kind]);
        return;
    }
    Act(action);
}

void CMatch::TakeBack()
{
    if (m_reviewing)
    {
        ReviewStep(-1);
        return;
    }
    if (m_record.m_actions.empty())
        return;
    // Against the computer, back past its reply to the person's own move.
    do
    {
        m_redo.push_back(m_record.m_actions.back());
        m_record.m_actions.pop_back();
    } while (m_level != PersonLevel && m_redo.back().m_side != Red && !m_record.m_actions.empty());
    m_record.m_finished = false;
    Rebuild(m_record.m_actions.size());
    Save();
}

void CMatch::PutBack()
{
    if (m_reviewing)
    {
        ReviewStep(1);
        return;
    }
    if (m_redo.empty())
        return;
    // Against the computer, the person's move comes back with the reply it had.
    do
    {
        m_record.m_actions.push_back(m_redo.back());
        m_redo.pop_back();
    } while (m_level != PersonLevel && !m_redo.empty() && m_redo.back().m_side != Red);
    Rebuild(m_record.m_actions.size());
    Save();
}

void CMatch::ReviewStep(int moves)
{
    if (!m_reviewing)
        return;
    const long shown = static_cast<long>(m_reviewShown) + moves;
    const long last = static_cast<long>(m_record.m_actions.size());
    m_reviewShown = static_cast<std::size_t>(shown < 0 ? 0 : shown > last ? last : shown);
    Rebuild(m_reviewShown);
    ShowReviewPosition();
}

void CMatch::ReviewEnd(bool last)
{
    ReviewStep(last ? static_cast<int>(m_record.m_actions.size()) : -static_cast<int>(m_record.m_actions.size()));
}

void CMatch::Halt()
{
    ++m_computerTurns;
    m_halted = true;
}

void CMatch::Continue()
{
    if (!m_halted || m_reviewing)
        return;
    m_halted = false;
    if (ComputerToMove())
        ComputerGetsTheMove();
}

bool CMatch::Reviewing() const
{
    return m_reviewing;
}

bool CMatch::Rebuilding() const
{
    return m_rebuilding;
}

bool CMatch::ComputerToMove() const
{
    return m_ai && !m_halted && !m_reviewing && !m_rebuilding && m_state.m_current == White &&
           m_state.m_currentController == Computer;
}

const CGameState& CMatch::Position() const
{
    return m_state;
}

void CMatch::QueuePlayCard(PlayerID player, int slot)
{
    QueueComputerAction(GameAction{player, PlayAction, slot, false, 0});
}

void CMatch::QueueDrawCard()
{
    QueueComputerAction(GameAction{m_state.m_current, DrawAction, -1, false, 0});
}

void CMatch::QueueSkipTurn()
{
    QueueComputerAction(GameAction{m_state.m_current, SkipAction, -1, false, 0});
}

// Due a pause after the move before it, long after the frame that shows that
// move. By then the game may have been left, taken back or restarted, and a
// newer turn may wait for its own pause: only the latest turn counts.
void CMatch::ComputerTurn(unsigned turn)
{
    if (turn == m_computerTurns && ComputerToMove())
        m_ai->TakeTurn();
}

// A card the computer plays shows on the board; a draw or a skip is said.
void CMatch::ComputerActs(unsigned turn, GameAction action)
{
    if (turn != m_computerTurns || !ComputerToMove())
        return;
    m_actionWords = action.m_kind == DrawAction ? ComputerDrewWords
                    : action.m_kind == SkipAction ? ComputerSkippedWords
                                                  : nullptr;
    Act(action);
    m_actionWords = nullptr;
}

void CMatch::ComputerGetsTheMove()
{
    if (m_rebuilding)
        return;
    ++m_computerTurns;
    Tasks::Queue<Tasks::CTimedTask<Closure1<CMatch, unsigned>>>(
        Closure1<CMatch, unsigned>(this, &CMatch::ComputerTurn, m_computerTurns), ElapsedTime() + kComputerPause);
    m_view->OnComputerToMove();
}

void CMatch::ReportStatus(const std::string& text)
{
    m_view->OnStatus(text.empty() && m_actionWords ? m_actionWords : text);
}

void CMatch::GameEnds(const std::string& question)
{
    if (m_rebuilding)
        m_heldQuestion = question;
    else
        m_view->OnGameOver(question);
}

// White is the computer exactly while one is seated. The mover's controller
// is set afresh too: a computer turn dropped when the last game was left
// would otherwise keep Red from moving in the next one.
void CMatch::Seat()
{
    m_state.ResetControllers();
    if (m_ai && !m_reviewing)
        m_state.SetController(White, Computer);
}

// A new action drops the actions taken back, unless it is the very one that
// would have been put back.
void CMatch::Act(GameAction action)
{
    if (!TakeAction(m_state, action))
        return;
    m_record.m_actions.push_back(action);
    if (!m_redo.empty() && m_redo.back() == action)
        m_redo.pop_back();
    else
        m_redo.clear();
    FinishIfOver();
    Save();
}

// The game is kept and its result counted once, when it ends.
void CMatch::FinishIfOver()
{
    if (!m_state.IsOver() || m_record.m_finished)
        return;
    m_record.m_finished = true;
    m_record.m_scores[Red] = m_state.m_players[Red].m_score;
    m_record.m_scores[White] = m_state.m_players[White].m_score;
    if (!m_archive)
        return;
    m_archive->Keep(m_record);
    m_archive->CountResult(m_level, m_record.m_scores[Red], m_record.m_scores[White]);
}

// The position is dealt and played again from the record; what the view
// shows follows the replay, while the end question and the computer's turn
// wait for the position reached.
void CMatch::Rebuild(std::size_t actions)
{
    ++m_computerTurns;
    m_rebuilding = true;
    m_heldQuestion.clear();
    Seat();
    RecordError error;
    Replay(m_record, actions, m_state, error);
    m_rebuilding = false;
    // A new game hands no turn over, so the view learns who moves now here.
    m_view->OnTurnPassed(m_state.m_current);
    if (m_reviewing)
        return;
    FinishIfOver();
    if (!m_heldQuestion.empty())
        m_view->OnGameOver(m_heldQuestion);
    if (ComputerToMove())
        ComputerGetsTheMove();
}

void CMatch::QueueComputerAction(const GameAction& action)
{
    Tasks::Queue<ActionTask<Closure2<CMatch, unsigned, GameAction>>>(
        Closure2<CMatch, unsigned, GameAction>(this, &CMatch::ComputerActs, m_computerTurns, action));
}

void CMatch::Save()
{
    if (!m_archive || m_reviewing)
        return;
    if (m_record.m_finished || m_record.m_actions.empty())
        m_archive->ForgetCurrent();
    else
        m_archive->SaveCurrent(m_record);
}

void CMatch::ShowReviewPosition()
{
    m_reports->OnStatus("Review: move " + std::to_string(m_reviewShown) + " of " +
                     std::to_string(m_record.m_actions.size()) + ". Left and Right step, Escape leaves.");
}
