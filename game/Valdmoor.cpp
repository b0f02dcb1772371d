#include "game/Valdmoor.h"

#include <GL/gl.h>

#include <algorithm>

#include "ai/BaseAI.h"
#include "engine/KeyCodes.h"
#include "engine/Task.h"
#include "engine/Time.h"
#include "engine/TimedTask.h"
#include "engine/Window.h"
#include "gui/ModalDialog.h"
#include "gui/RootWidget.h"
#include "gui/WidgetEvent.h"
#include "gui/YesNoModalDialog.h"
#include "input/Keyboard.h"

namespace
{

typedef GUI::CActionButton<Functor0<CValdmoor>> ScreenButton;
typedef GUI::CYesNoModalDialog<Functor1<CValdmoor, bool>> Question;

const char* const kButtonOut = "Assets/buttonOut.tga";
const char* const kButtonOver = "Assets/buttonOver.tga";

const int kBoardWidth = 342;                // pixels; nine squares of 38
const int kSquare = 38;                     // pixels
const int kBoardBottom = 60;                // pixels
const int kHandSlotY[HandSize] = {340, 270, 200, 130, 60};    // bottom edge of each card slot, slot 1 at the top

// The computer's reply waits this long after the move before it, so that the
// player sees that move land first.
const double kComputerPause = 0.5;          // seconds

// Marks on the board, in pixels from a square's corner. They keep off the
// grid lines and off the 32 by 32 piece that sits 3 pixels in.
const int kMarkInner = 1;                   // first pixel inside the grid lines
const int kMarkOuter = kSquare;             // the next square's grid line
const int kFrameWidth = 2;                  // the frame round a hovered card's target
const int kKnightMarkInset = 11;            // centres the 16 by 16 knight on the square
const int kTintAlpha = 70;                  // of 255: the last move's squares, faintly

const unsigned char kPlayerColours[2][3] = {{255, 0, 0}, {255, 255, 255}};     // Red's, White's

unsigned ElapsedSeconds()
{
    return static_cast<unsigned>(ElapsedTime());
}

void Send(GUI::IBaseWidget* widget, GUI::WidgetEvent event)
{
    const GUI::MouseState still = {};
    widget->OnEvent(event, still);
}

} // namespace

CValdmoor::CValdmoor(GUI::CScreen* menu)
    : m_menu(menu), m_state(this, ElapsedSeconds), m_ai(nullptr), m_computerTurns(0)
{
    const int width = g_windowWidth;
    const int height = g_windowHeight;

    m_background = new GUI::CImage(128, -32, width - 128, height + 32, "Assets/mainBackground.tga");
    m_stone = new GUI::CImage(0, 0, 32, 32, "Assets/rose.tga");
    m_knightMarks[Red] = new GUI::CImage(0, 0, 16, 16, "Assets/knight1.tga");
    m_knightMarks[White] = new GUI::CImage(0, 0, 16, 16, "Assets/knight2.tga");

    const struct
    {
        int                 x;
        int                 y;
        const char*         caption;
        void (CValdmoor::*action)();
    } buttons[] = {
        {10, 10, "Quit", &CValdmoor::QuitGame},
        {167, 430, "Draw", &CValdmoor::HumanDrawCard},
        {305, 430, "Skip", &CValdmoor::HumanSkipTurn},
    };
    for (const auto& button : buttons)
    {
        ScreenButton* widget = new ScreenButton(button.x, button.y, 128, 32, kButtonOut, kButtonOver,
                                                Functor0<CValdmoor>(this, button.action));
        widget->AddChild(new GUI::CLabel(button.caption));
        AddChild(widget);
    }

    for (int card = 0; card < CardCount; ++card)
    {
        const std::string name = "Assets/card" + std::to_string(CardDistance(card)) + "_" +
                                 std::to_string(CardDirection(card) + 1) + ".tga";
        m_cardTextures[card].Load(name.c_str(), TextureOptions{false});
    }

    m_king = new GUI::CImage(0, 0, 32, 32, "Assets/king.tga");
    AddChild(m_king);
    m_status = new GUI::CLabel(0, 0, "");
    AddChild(m_status);

    BindKeys(Red);
    BindKeys(White);

    AddHand(Red, 40);
    AddHand(White, 525);
    m_scoreLabels[Red] = new GUI::CLabel((width - kBoardWidth) / 2, 430, "0");
    m_scoreLabels[White] = new GUI::CLabel(width - (width - kBoardWidth) / 2 - 20, 430, "0");
    AddChild(m_scoreLabels[Red]);
    AddChild(m_scoreLabels[White]);

    AddSlotNumbers(25);
    AddKnights(Red, 130, 20, "Assets/knight1.tga");
    AddSlotNumbers(565);
    AddKnights(White, 455, -20, "Assets/knight2.tga");
}

// The key maps are not popped: the screen dies at shutdown, after the last
// key pass.
CValdmoor::~CValdmoor()
{
    delete m_background;
    delete m_stone;
    delete m_knightMarks[Red];
    delete m_knightMarks[White];
    delete m_ai;
}

bool CValdmoor::Draw()
{
    if (!m_visible)
        return false;
    const int width = g_windowWidth;

    glColor3ub(120, 120, 120);
    m_background->Draw();

    glPushMatrix();
    glTranslatef((width - kBoardWidth) * 0.5f, static_cast<float>(kBoardBottom), 0.0f);
    for (int row = 0; row < BoardSize; ++row)
    {
        for (int column = 0; column < BoardSize; ++column)
        {
            glColor3ub(255, 255, 255);
            glBegin(GL_LINE_LOOP);
            glVertex2i(0, 0);
            glVertex2i(kSquare, 0);
            glVertex2i(kSquare, kSquare);
            glVertex2i(0, kSquare);
            glEnd();
            DrawMoveTint(row * BoardSize + column);
            const int cell = m_state.m_board[row * BoardSize + column];
            if (cell != EmptyCell)
            {
                if (cell == Red)
                    glColor3ub(255, 0, 0);
                else
                    glColor3ub(255, 255, 255);
                glPushMatrix();
                glTranslatef(3.0f, 3.0f, 0.0f);
                m_stone->Draw();
                glPopMatrix();
            }
            glTranslatef(static_cast<float>(kSquare), 0.0f, 0.0f);
        }
        glTranslatef(-static_cast<float>(BoardSize * kSquare), static_cast<float>(kSquare), 0.0f);
    }

    // The king is a child, drawn after this over the stone on its square.
    m_king->m_left = (width - kBoardWidth) / 2 + m_state.m_kingCol * kSquare + 3;
    m_king->m_bottom = m_state.m_kingRow * kSquare + kBoardBottom + 3;
    m_king->m_right = m_king->m_left + 32;
    m_king->m_top = m_king->m_bottom + 32;

    glColor4ub(255, 255, 255, 255);
    glPopMatrix();
    DrawCardTarget();

    glPushMatrix();
    glTranslatef(static_cast<float>(m_state.m_current * 495 + 10), 10.0f, 0.0f);
    if (m_state.m_current == Red)
        glColor3ub(255, 0, 0);
    else
        glColor3ub(255, 255, 255);
    glBegin(GL_LINE_LOOP);
    glVertex2i(0, 40);
    glVertex2i(80, 40);
    glVertex2i(80, 405);
    glVertex2i(0, 405);
    glEnd();
    glPopMatrix();
    return true;
}

// Each Show deals a new game. Red's map goes on when the screen appears,
// after the screen it replaces has taken its own map off; White's may lie on
// top of it, and both come off when it goes. A question still open belongs
// to the game being left: it goes without an answer, or it would come back
// over the next game.
void CValdmoor::OnEvent(int event, const GUI::MouseState& mouse)
{
    if (event == GUI::Show)
    {
        const bool wasHidden = !m_visible;
        if (!wasHidden && m_state.m_current == White)
            Input::Keyboard::PopKeyMap();
        NewGame();
        GUI::CScreen::OnEvent(event, mouse);
        if (wasHidden)
            Input::Keyboard::PushKeyMap(&m_keyMaps[Red]);
        return;
    }
    if (event == GUI::Hide && m_visible)
    {
        if (m_state.m_current == White)
            Input::Keyboard::PopKeyMap();
        Input::Keyboard::PopKeyMap();
        GUI::CScreen::OnEvent(event, mouse);
        CloseDialogs();
        return;
    }
    GUI::CScreen::OnEvent(event, mouse);
}

void CValdmoor::PlayCard(PlayerID player, int slot)
{
    if (m_visible)
        m_state.PlayCard(player, slot);
}

void CValdmoor::DrawCard()
{
    if (m_visible)
        m_state.DrawCard();
}

void CValdmoor::SkipTurn()
{
    if (m_visible)
        m_state.SkipTurn();
}

void CValdmoor::HumanPlayCard(PlayerID player, int slot)
{
    if (m_visible && !QuestionOpen())
        m_state.HumanPlayCard(player, slot);
}

void CValdmoor::HumanDrawCard()
{
    if (m_visible && !QuestionOpen())
        m_state.HumanDrawCard();
}

void CValdmoor::HumanSkipTurn()
{
    if (m_visible && !QuestionOpen())
        m_state.HumanSkipTurn();
}

// White is the computer exactly while an AI is attached. The mover's
// controller is set afresh too: a computer turn dropped when the last game
// was left would otherwise keep Red from moving in this one.
void CValdmoor::NewGame()
{
    m_state.ResetControllers();
    if (m_ai)
        m_state.SetController(White, Computer);
    m_state.NewGame();
}

// Escape while a question is open would ask a second one over it.
void CValdmoor::QuitGame()
{
    if (QuestionOpen())
        return;
    if (m_state.m_players[Red].m_score == 0 && m_state.m_players[White].m_score == 0)
    {
        OnQuitAnswer(true);
        return;
    }
    AskQuestion("Are you sure you want to quit?", &CValdmoor::OnQuitAnswer);
}

void CValdmoor::OnQuitAnswer(bool yes)
{
    if (yes)
        LeaveForMenu();
}

// Red moves first in the new game, so Red's map must be the active one.
void CValdmoor::OnPlayAgain(bool yes)
{
    if (!yes)
    {
        LeaveForMenu();
        return;
    }
    if (m_state.m_current == White)
        Input::Keyboard::PopKeyMap();
    NewGame();
}

void CValdmoor::UpdateHandShading()
{
    for (PlayerID player : {Red, White})
    {
        const bool toMove = player == m_state.m_current;
        for (int slot = 0; slot < HandSize; ++slot)
        {
            const float playable = m_state.m_players[player].m_playable[slot] ? 1.0f : 0.0f;
            m_handButtons[player][slot]->m_brightness = (toMove ? 0.6f : 0.5f) + 0.4f * playable;
        }
    }
}

void CValdmoor::AttachAI(IBaseAI* ai)
{
    if (ai != m_ai)
        delete m_ai;
    m_ai = ai;
    m_ai->m_game = this;
    m_state.SetController(White, Computer);
}

void CValdmoor::StartTwoPlayerGame()
{
    delete m_ai;
    m_ai = nullptr;
    Show();
}

// Due a pause after the move before it, long after the frame that shows that
// move. By then the game may have been left, restarted or handed back to Red,
// and a newer turn may wait for its own pause: only the latest turn counts.
void CValdmoor::ComputerTurn(unsigned turn)
{
    if (turn == m_computerTurns && m_ai && m_visible && m_state.m_current == White && m_state.m_currentController == Computer)
        m_ai->TakeTurn();
}

bool CValdmoor::QuestionOpen() const
{
    for (const GUI::IBaseWidget* child : m_children)
        if (dynamic_cast<const GUI::CModalDialog*>(child))
            return true;
    return false;
}

void CValdmoor::OnStatus(const std::string& text)
{
    m_status->m_text = text;
}

void CValdmoor::OnKnightsShown()
{
    for (int knight = 0; knight < KnightCount; ++knight)
    {
        Send(m_knightImages[Red][knight], GUI::Show);
        Send(m_knightImages[White][knight], GUI::Show);
    }
}

void CValdmoor::OnScoresChanged(int red, int white)
{
    m_scoreLabels[Red]->m_text = std::to_string(red);
    m_scoreLabels[White]->m_text = std::to_string(white);
}

void CValdmoor::OnCardDealt(PlayerID player, int card, int slot)
{
    HandButton* button = m_handButtons[player][slot];
    button->m_texture = m_cardTextures[card];
    Send(button, GUI::Show);
}

void CValdmoor::OnKnightSpent(PlayerID player, int knight)
{
    Send(m_knightImages[player][knight], GUI::Hide);
}

void CValdmoor::OnCardPlayed(PlayerID player, int slot)
{
    Send(m_handButtons[player][slot], GUI::Hide);
}

void CValdmoor::OnComputerToMove()
{
    ++m_computerTurns;
    Tasks::Queue<Tasks::CTimedTask<Closure1<CValdmoor, unsigned>>>(
        Closure1<CValdmoor, unsigned>(this, &CValdmoor::ComputerTurn, m_computerTurns),
        ElapsedTime() + kComputerPause);
}

void CValdmoor::OnTurnPassed(PlayerID toMove)
{
    if (toMove == White)
        Input::Keyboard::PushKeyMap(&m_keyMaps[White]);
    else
        Input::Keyboard::PopKeyMap();
}

void CValdmoor::OnGameOver(const std::string& question)
{
    AskQuestion(question, &CValdmoor::OnPlayAgain);
}

void CValdmoor::OnHandsShaded(bool newGame)
{
    if (!newGame)
    {
        UpdateHandShading();
        return;
    }
    for (int slot = 0; slot < HandSize; ++slot)
    {
        const float redPlayable = m_state.m_players[Red].m_playable[slot] ? 1.0f : 0.0f;
        const float whitePlayable = m_state.m_players[White].m_playable[slot] ? 1.0f : 0.0f;
        m_handButtons[Red][slot]->m_brightness = 0.5f + 0.5f * redPlayable;
        m_handButtons[White][slot]->m_brightness = 0.3f + 0.4f * whitePlayable;
    }
}

// Drawn under the square's stone, so the stone itself keeps its colours.
void CValdmoor::DrawMoveTint(int square) const
{
    const KingMove& move = m_state.m_lastMove;
    if (!move.m_made || (square != move.m_from && square != move.m_to))
        return;
    const unsigned char* colour = kPlayerColours[move.m_mover];
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glColor4ub(colour[0], colour[1], colour[2], kTintAlpha);
    glRecti(kMarkInner, kMarkInner, kMarkOuter, kMarkOuter);
    glDisable(GL_BLEND);
}

// A frame in the mover's colour round the square the hovered card would take
// the king to; on the other side's stone, the mover's knight as well, since
// playing the card spends one.
void CValdmoor::DrawCardTarget() const
{
    const int slot = HoveredPlayableSlot();
    if (slot < 0)
        return;
    const PlayerID mover = m_state.m_current;
    int row = m_state.m_kingRow;
    int column = m_state.m_kingCol;
    ::MoveKing(m_state.m_players[mover].m_hand[slot], row, column);

    glPushMatrix();
    glTranslatef((g_windowWidth - kBoardWidth) * 0.5f + static_cast<float>(column * kSquare),
                 static_cast<float>(kBoardBottom + row * kSquare), 0.0f);
    const unsigned char* colour = kPlayerColours[mover];
    glColor3ub(colour[0], colour[1], colour[2]);
    const int inner = kMarkInner + kFrameWidth;
    const int outer = kMarkOuter - kMarkInner - kFrameWidth;
    glRecti(kMarkInner, kMarkInner, kMarkOuter - kMarkInner, inner);
    glRecti(kMarkInner, outer, kMarkOuter - kMarkInner, kMarkOuter - kMarkInner);
    glRecti(kMarkInner, inner, inner, outer);
    glRecti(outer, inner, kMarkOuter - kMarkInner, outer);
    glColor3ub(255, 255, 255);
    if (m_state.m_board[row * BoardSize + column] == Opponent(mover))
    {
        glTranslatef(static_cast<float>(kKnightMarkInset), static_cast<float>(kKnightMarkInset), 0.0f);
        m_knightMarks[mover]->Draw();
    }
    glPopMatrix();
}

// The slot of the player to move that the pointer rests on, when a person
// may play its card now; -1 otherwise.
int CValdmoor::HoveredPlayableSlot() const
{
    if (m_state.m_currentController != Human || !GUI::g_rootWidget.m_hoverInside)
        return -1;
    const PlayerState& mover = m_state.m_players[m_state.m_current];
    for (int slot = 0; slot < HandSize; ++slot)
        if (GUI::g_rootWidget.m_hover == m_handButtons[m_state.m_current][slot] && mover.m_hand[slot] != NoCard &&
            mover.m_playable[slot])
            return slot;
    return -1;
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
}

// A hand button has no picture until a card is dealt to it.
void CValdmoor::AddHand(PlayerID player, int x)
{
    for (int slot = 0; slot < HandSize; ++slot)
    {
        m_handButtons[player][slot] =
            new HandButton(x, kHandSlotY[slot], 32, 64, "", "",
                           Closure2<CValdmoor, PlayerID, int>(this, &CValdmoor::HumanPlayCard, player, slot));
        AddChild(m_handButtons[player][slot]);
    }
}

void CValdmoor::AddSlotNumbers(int x)
{
    for (int slot = 0; slot < HandSize; ++slot)
        AddChild(new GUI::CLabel(x, kHandSlotY[slot] + 25, std::to_string(slot + 1)));
}

void CValdmoor::AddKnights(PlayerID player, int x, int step, const char* texture)
{
    for (int knight = 0; knight < KnightCount; ++knight)
    {
        m_knightImages[player][knight] = new GUI::CImage(x + knight * step, 410, 16, 16, texture);
        AddChild(m_knightImages[player][knight]);
    }
}

// The dialog joins this screen and deletes itself once answered. A question
// longer than the panel, as the end-of-game ones are, widens it so that the
// text stays on it; the status line's font is the one questions are drawn in.
void CValdmoor::AskQuestion(const std::string& question, void (CValdmoor::*answer)(bool))
{
    const int width = std::max(300, m_status->m_font.TextWidth(question.c_str()) + 20);
    GUI::OpenDialog<Question>(this, Functor1<CValdmoor, bool>(this, answer), question, (g_windowWidth - width) / 2,
                              (g_windowHeight - 100) / 2, width, 100);
}

void CValdmoor::CloseDialogs()
{
    for (std::size_t child = m_children.size(); child-- > 0;)
    {
        GUI::CModalDialog* dialog = dynamic_cast<GUI::CModalDialog*>(m_children[child]);
        if (!dialog)
            continue;
        RemoveChild(dialog);
        delete dialog;
    }
}

// The menu's Show hides this screen, which deletes its open dialogs; the
// answer that leads here may come from one of them, so the switch waits for
// the next tick, when that dialog is gone.
void CValdmoor::LeaveForMenu()
{
    Tasks::Queue<Tasks::CTask<Tasks::Starters::Immediate, Tasks::Flushers::Once, Functor0<GUI::CScreen>>>(
        Functor0<GUI::CScreen>(m_menu, &GUI::CScreen::Show));
}
