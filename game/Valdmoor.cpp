#include "game/Valdmoor.h"

#include <GL/gl.h>

#include <algorithm>
#include <vector>

#include "ai/ExpertSearch.h"
#include "engine/KeyCodes.h"
#include "engine/Task.h"
#include "engine/TimedTask.h"
#include "engine/Time.h"
#include "engine/Window.h"
#include "game/BackScreen.h"
#include "game/ComputerPlayers.h"
#include "game/GameArchive.h"
#include "game/TableWords.h"
#include "game/rules/PlayPreview.h"
#include "gui/ButtonLook.h"
#include "gui/ModalDialog.h"
#include "gui/NavigationKey.h"
#include "gui/Outline.h"
#include "gui/RootWidget.h"
#include "gui/TextLayout.h"
#include "gui/WidgetEvent.h"
#include "gui/YesNoModalDialog.h"
#include "input/Keyboard.h"

namespace
{

typedef GUI::CActionButton<Functor0<CValdmoor>> ScreenButton;

// A button narrower than the menus' 128 pixels, whose caption is centred on
// its own width rather than on theirs.
class CNarrowButton : public ScreenButton
{
public:
    using ScreenButton::ScreenButton;

    void Layout() override
    {
        ScreenButton::Layout();
        if (m_children.size() != 1)
            return;
        GUI::IBaseWidget* caption = m_children.front();
        const int width = caption->GetWidth();
        caption->m_left = (m_left + m_right - width) / 2;
        caption->m_right = caption->m_left + width;
    }
};
typedef GUI::CYesNoModalDialog<Functor1<CValdmoor, bool>> Question;

using GUI::kButtonOut;
using GUI::kButtonOver;

// The screen's layout, in pixels from the window's bottom left corner. The
// board is centred across the window; everything else keeps its place
// whatever the window's width.
const int kBackgroundLeft = 128;            // the picture's left edge; it reaches the right one
const int kBackgroundDrop = 32;             // the picture hangs this far below the window, up to its top
const unsigned char kBackgroundGrey = 120;  // of 255: the picture darkened under the board
const int kBoardWidth = 342;                // nine squares of 38
const int kSquare = 38;
const int kBoardBottom = 60;
const int kPieceSize = 32;                  // the stone and the king
const int kPieceInset = 3;                  // from a square's corner to its piece's, centring it
using GUI::kButtonWidth;                    // Quit, Draw and Skip
using GUI::kButtonHeight;
const int kQuitCorner = 10;                 // Quit sits this far from the bottom and left edges
const int kButtonGap = 10;                  // between Draw and Skip
const int kDrawX = 167;                     // Draw and Skip together span 167..433, centred over the board
const int kSkipX = kDrawX + kButtonWidth + kButtonGap;
const int kRecordButtonWidth = 64;          // Undo and Redo, half the others
const int kRecordButtonGap = 8;
const int kUndoX = 454;                     // Redo ends at 590, 10 from the right edge like Quit from the left
const int kRecordButtonY = 10;              // level with Quit
const int kTopRowY = 430;                   // bottom edge of Draw, Skip and the scores, over the knights
const int kScoreRoom = 20;                  // White's score ends this far inside the board's right edge
const int kCardWidth = 32;                  // a hand button
const int kCardHeight = 64;
const int kHandX[2] = {40, 525};            // left edge of Red's, White's hand column
const int kHandSlotY[HandSize] = {340, 270, 200, 130, 60};    // bottom edge of each card slot, slot 1 at the top
const int kSlotNumberX[2] = {25, 565};      // Red's numbers left of the hand, White's right of it
const int kSlotNumberRise = 25;             // from a slot's bottom edge to its number's, halfway up
const int kKnightSize = 16;
const int kKnightRowY = 410;                // just above the board
const int kKnightX[2] = {130, 455};         // Red's first knight at the left, White's at the right
const int kKnightStep[2] = {20, -20};       // both rows grow inwards

// The frame round the hand column of the player to move: Red's spans x 10..90,
// White's lies one step to the right, round 505..585.
const int kTurnFrameLeft = 10;
const int kTurnFrameStep = 495;
const int kTurnFrameWidth = 80;
const int kTurnFrameBottom = 50;            // 10 under the lowest card
const int kTurnFrameTop = 415;              // 11 over the highest card

// The words added round the specified picture, where it leaves room.
const int kTurnLineY = 30;                  // between the board's bottom (60) and the status line
const int kTurnLineCentre = 300;            // under the board's middle, clear of Quit and Undo
const int kCardsLeftY = 464;                // over Draw, in the window's top 16 pixels
const int kSideNameGap = 6;                 // between a score and its side's name
const int kScoreDigitsRoom = 28;            // White's name starts this far right of its score, past 3 digits
const int kPreviewGap = 4;                  // between the target frame and the score changes beside it
const int kPreviewPad = 3;                  // the dark panel round the score changes
const unsigned char kPreviewPanelAlpha = 200;
const unsigned char kHintColour[3] = {255, 200, 0};  // gold: neither side's colour
const int kHintFrameWidth = 3;
const int kHintFrameGap = 2;                // from a button's edge to the hint's frame round it

const double kSlideFrame = 1.0 / 60.0;      // seconds between two frames of the king's slide

const int kQuestionWidth = 300;             // the narrowest a yes/no question is
const int kQuestionMargins = 20;            // round a longer question's text, both sides together
const int kQuestionHeight = 100;            // pixels, whatever the question

// How bright a hand's card buttons are drawn, per card: a card that cannot be
// played now is dimmed, and the hand of the player who waits is darker still.
struct HandShade
{
    float unplayable;
    float playable;
};

struct HandShading
{
    HandShade toMove;
    HandShade waiting;
};

enum ShadingMoment
{
    AfterAction,                            // every action that passes the turn
    AfterDeal                               // a new game, once, before Red's first move
};

const HandShading kHandShading[2] = {
    // The mover's playable cards at full light, the others 0.4 darker; the
    // waiting hand 0.1 under the mover's.
    {{0.6f, 0.6f + 0.4f}, {0.5f, 0.5f + 0.4f}},
    // Red opens with playable cards at full light and the others at half;
    // White's hand, whose turn is farther off, at 0.7 and 0.3.
    {{0.5f, 0.5f + 0.5f}, {0.3f, 0.3f + 0.4f}},
};

// Marks on the board, in pixels from a square's corner. They keep off the
// grid lines and off the 32 by 32 piece that sits 3 pixels in.
const int kMarkInner = 1;                   // first pixel inside the grid lines
const int kMarkOuter = kSquare;             // the next square's grid line
const int kFrameWidth = 2;                  // the frame round a hovered card's target
const int kKnightMarkInset = 11;            // centres the 16 by 16 knight on the square
const int kTintAlpha = 70;                  // of 255: the last move's squares, faintly

const unsigned char kPlayerColours[2][3] = {{255, 0, 0}, {255, 255, 255}};     // Red's, White's

// A square's bottom left corner, in pixels from the board's.
int SquareLeft(int square)
{
    return square % BoardSize * kSquare;
}

int SquareBottom(int square)
{
    return square / BoardSize * kSquare;
}

unsigned ElapsedSeconds()
{
    return static_cast<unsigned>(ElapsedTime());
}

void ShadeHands(const CGameState& state, CValdmoor::HandButton* const (&buttons)[2][HandSize],
                const HandShading& shading)
{
    for (PlayerID player : {Red, White})
    {
        const HandShade& shade = player == state.m_current ? shading.toMove : shading.waiting;
        for (int slot = 0; slot < HandSize; ++slot)
            buttons[player][slot]->m_brightness = state.m_players[player].m_playable[slot] ? shade.playable
                                                                                            : shade.unplayable;
    }
}

void Send(GUI::IBaseWidget* widget, GUI::WidgetEvent event)
{
    const GUI::MouseState still = {};
    widget->OnEvent(event, still);
}

} // namespace

CValdmoor::CValdmoor(GUI::CScreen* menu)
    : m_menu(menu), m_match(this, ElapsedSeconds), m_dealOnShow(true), m_keyMapsOn(0), m_rules(nullptr),
      m_slideTicking(false), m_knightSpent(false), m_hintSearch(nullptr), m_hint{Decision::Skip, -1},
      m_hintShown(false), m_frameTime(0.0)
{
    m_background = new GUI::CBackdrop(kBackgroundLeft, -kBackgroundDrop, g_windowWidth - kBackgroundLeft,
                                      g_windowHeight + kBackgroundDrop, "Assets/mainBackground.tga", kBackgroundGrey);
    m_backdrop = m_background;
    m_stone = new GUI::CImage(0, 0, kPieceSize, kPieceSize, "Assets/rose.tga");
    AddScreenButtons();
    LoadCardTextures();

    m_king = new GUI::CImage(0, 0, kPieceSize, kPieceSize, "Assets/king.tga");
    AddChild(m_king);
    m_status = new GUI::CLabel(0, 0, "");
    AddChild(m_status);

    BindKeys(Red);
    BindKeys(White);

    AddHand(Red);
    AddHand(White);
    AddScores();

    AddSlotNumbers(Red);
    AddKnights(Red, "Assets/knight1.tga");
    AddSlotNumbers(White);
    AddKnights(White, "Assets/knight2.tga");
    // After the knights themselves, so the pictures load in the order the
    // screen's parts are built.
    m_knightMarks[Red] = new GUI::CImage(0, 0, kKnightSize, kKnightSize, "Assets/knight1.tga");
    m_knightMarks[White] = new GUI::CImage(0, 0, kKnightSize, kKnightSize, "Assets/knight2.tga");
    AddRecordButtons();
    AddWords();
}

// The key maps are not popped: the screen dies at shutdown, after the last
// key pass.
CValdmoor::~CValdmoor()
{
    delete m_background;
    delete m_stone;
    delete m_knightMarks[Red];
    delete m_knightMarks[White];
    delete m_hintSearch;
}

// The king and the other children are drawn after this, over the board.
bool CValdmoor::Draw()
{
    if (!m_visible)
        return false;
    m_background->Draw();
    m_frameTime = ElapsedTime();
    DrawBoard();
    PlaceKing();
    DrawCardTarget();
    DrawHint();
    DrawTurnFrame();
    LightSkip();
    return true;
}

// Each Show deals a new game. The key maps follow the base handling: Red's
// goes on only after the screen this one replaces has taken its own map off.
// A question still open belongs to the game being left: it goes without an
// answer, or it would come back over the next game.
void CValdmoor::OnEvent(int event, const GUI::MouseState& mouse)
{
    if (event == GUI::Show)
    {
        if (m_dealOnShow)
            NewGame();
        else
            m_match.Continue();
        m_dealOnShow = true;
        GUI::CScreen::OnEvent(event, mouse);
        KeepKeyMapsInStep();
        return;
    }
    if (event == GUI::Hide && m_visible)
    {
        m_match.Halt();
        GUI::CScreen::OnEvent(event, mouse);
        KeepKeyMapsInStep();
        CloseDialogs();
        return;
    }
    GUI::CScreen::OnEvent(event, mouse);
}

void CValdmoor::HumanPlayCard(PlayerID player, int slot)
{
    if (m_visible && !QuestionOpen())
        m_match.PersonActs(GameAction{player, PlayAction, slot, false, 0});
}

void CValdmoor::HumanDrawCard()
{
    if (m_visible && !QuestionOpen())
        m_match.PersonActs(GameAction{m_match.m_state.m_current, DrawAction, -1, false, 0});
}

void CValdmoor::HumanSkipTurn()
{
    if (m_visible && !QuestionOpen())
        m_match.PersonActs(GameAction{m_match.m_state.m_current, SkipAction, -1, false, 0});
}

void CValdmoor::NewGame()
{
    m_match.NewGame();
}

// Escape on an open question says No to it rather than ask a second one
// over it. Enter does not leave the game: the question's default is No.
void CValdmoor::QuitGame()
{
    if (QuestionOpen())
    {
        OnNavigationKey(GUI::Cancel);
        return;
    }
    const CGameState& state = m_match.m_state;
    if (m_match.Reviewing() || (state.m_players[Red].m_score == 0 && state.m_players[White].m_score == 0))
    {
        OnQuitAnswer(true);
        return;
    }
    AskQuestion(this, "Are you sure you want to quit?", &CValdmoor::OnQuitAnswer, false);
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
    NewGame();
    KeepKeyMapsInStep();
}

void CValdmoor::UpdateHandShading()
{
    ShadeHands(m_match.m_state, m_handButtons, kHandShading[AfterAction]);
}

void CValdmoor::StartOnePlayerGame(int level)
{
    m_match.SeatComputer(NewComputerPlayer(level), level);
    Show();
}

void CValdmoor::StartTwoPlayerGame()
{
    m_match.SeatPeople();
    Show();
}

bool CValdmoor::ResumeGame(const GameRecord& record)
{
    const int level = record.m_levels[White];
    if (record.m_levels[Red] != PersonLevel)
        return false;
    if (level == PersonLevel)
        m_match.SeatPeople();
    else
        m_match.SeatComputer(NewComputerPlayer(level), level);
    if (!m_match.Resume(record))
        return false;
    m_dealOnShow = false;
    Show();
    return true;
}

void CValdmoor::ReviewGame(const GameRecord& record)
{
    m_match.Review(record);
    m_dealOnShow = false;
    Show();
}

bool CValdmoor::OfferSavedGame(GUI::IBaseWidget* screen, std::string& refusal)
{
    CGameArchive* archive = m_match.Archive();
    if (!archive || !archive->LoadCurrent(m_savedGame, refusal))
        return false;
    AskQuestion(screen, "Do you want to continue your unfinished game?", &CValdmoor::OnResumeAnswer);
    return true;
}

// The answer comes from a dialog on the main menu, which the game screen's
// Show would hide under it: the switch waits for the next tick.
void CValdmoor::OnResumeAnswer(bool yes)
{
    Tasks::Queue<Tasks::CTask<Tasks::Starters::Immediate, Tasks::Flushers::Once, Functor0<CValdmoor>>>(
        Functor0<CValdmoor>(this, yes ? &CValdmoor::ResumeSavedGame : &CValdmoor::SetSavedGameAside));
}

// A save this program cannot take on (a record of a game between two
// computers, say) is kept with the finished games rather than lost.
void CValdmoor::ResumeSavedGame()
{
    if (!ResumeGame(m_savedGame))
        SetSavedGameAside();
}

void CValdmoor::SetSavedGameAside()
{
    CGameArchive* archive = m_match.Archive();
    archive->Keep(m_savedGame);
    archive->ForgetCurrent();
}

// Each run is a task, which is what makes the loop draw the next frame; once
// the king has landed none is queued, and no more frames are drawn for it.
void CValdmoor::SlideTick()
{
    m_slideTicking = m_slide.Sliding(ElapsedTime());
    if (m_slideTicking)
        Tasks::Queue<Tasks::CTimedTask<Functor0<CValdmoor>>>(Functor0<CValdmoor>(this, &CValdmoor::SlideTick),
                                                              ElapsedTime() + kSlideFrame);
}

bool CValdmoor::QuestionOpen() const
{
    return OpenQuestion() != nullptr;
}

void CValdmoor::OnStatus(const std::string& text)
{
    m_status->m_text = text;
}

void CValdmoor::OnKnightsShown()
{
    m_slide.Land();
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
    m_knightSpent = true;
}

// A card played in a replay lands at once: only play as it happens slides.
void CValdmoor::OnCardPlayed(PlayerID player, int slot)
{
    Send(m_handButtons[player][slot], GUI::Hide);
    const bool tookStone = m_knightSpent;
    m_knightSpent = false;
    if (m_match.Rebuilding())
    {
        m_slide.Land();
        return;
    }
    const KingMove& move = m_match.m_state.m_lastMove;
    m_slide.Start(move.m_from, move.m_to, tookStone ? Opponent(player) : EmptyCell, ElapsedTime());
    if (!m_slideTicking)
        SlideTick();
}

void CValdmoor::OnTurnPassed(PlayerID)
{
    KeepKeyMapsInStep();
}

void CValdmoor::OnGameOver(const std::string& question)
{
    AskQuestion(this, question, &CValdmoor::OnPlayAgain);
    SayEndWords();
}

// The last report of every action: the hint belonged to the position before.
// Once the game is over the end question's words stay, even after the
// computer's last skip.
void CValdmoor::OnHandsShaded(bool newGame)
{
    ShadeHands(m_match.m_state, m_handButtons, kHandShading[newGame ? AfterDeal : AfterAction]);
    m_hintShown = false;
    UpdateWords();
    if (m_match.m_state.IsOver())
        SayEndWords();
    else if (OnlySkipLeft())
        m_status->m_text = (m_status->m_text.empty() ? "" : m_status->m_text + " ") + OnlySkipWords;
}

// How to see the board behind the end question, in the status line.
void CValdmoor::SayEndWords()
{
    if (const GUI::CModalDialog* question = OpenQuestion())
        m_status->m_text = question->m_setAside ? QuestionBackWords : BoardViewWords;
}

// The screen's maps on the key-map stack: none while it is hidden, Red's
// while it is shown, and White's over Red's while White is to move, so that
// the digit keys play for whoever is to move.
void CValdmoor::KeepKeyMapsInStep()
{
    const int wanted = !m_visible ? 0 : m_match.m_state.m_current == White ? 2 : 1;
    for (; m_keyMapsOn > wanted; --m_keyMapsOn)
        Input::Keyboard::PopKeyMap();
    for (; m_keyMapsOn < wanted; ++m_keyMapsOn)
        Input::Keyboard::PushKeyMap(&m_keyMaps[m_keyMapsOn]);
}

// The grid, the last move's tints, then the stones over them: nothing drawn
// on a square reaches its lines or another square.
void CValdmoor::DrawBoard() const
{
    glPushMatrix();
    glTranslatef((g_windowWidth - kBoardWidth) * 0.5f, static_cast<float>(kBoardBottom), 0.0f);
    glColor3ub(255, 255, 255);
    GUI::DrawGrid(0, 0, BoardSize, kSquare);
    DrawMoveTints();
    std::vector<GUI::ImageCopy> stones;
    stones.reserve(BoardSize * BoardSize);
    for (int square = 0; square < BoardSize * BoardSize; ++square)
    {
        const bool covered = square == m_slide.Target() && m_slide.Sliding(m_frameTime);
        const int cell = covered ? m_slide.CoveredCell() : m_match.m_state.m_board[square];
        if (cell != EmptyCell)
            stones.push_back(GUI::ImageCopy{SquareLeft(square) + kPieceInset, SquareBottom(square) + kPieceInset,
                                            kPlayerColours[cell]});
    }
    m_stone->DrawCopies(stones);
    glColor4ub(255, 255, 255, 255);
    glPopMatrix();
}

// Afresh every frame: the king moves with each card played, and the board
// with the window's width.
void CValdmoor::PlaceKing()
{
    float row = static_cast<float>(m_match.m_state.m_kingRow);
    float column = static_cast<float>(m_match.m_state.m_kingCol);
    if (m_slide.Sliding(m_frameTime))
        m_slide.Place(m_frameTime, row, column);
    m_king->m_left = (g_windowWidth - kBoardWidth) / 2 + static_cast<int>(column * kSquare) + kPieceInset;
    m_king->m_bottom = static_cast<int>(row * kSquare) + kBoardBottom + kPieceInset;
    m_king->m_right = m_king->m_left + kPieceSize;
    m_king->m_top = m_king->m_bottom + kPieceSize;
}

void CValdmoor::DrawTurnFrame() const
{
    const unsigned char* colour = kPlayerColours[m_match.m_state.m_current];
    glColor3ub(colour[0], colour[1], colour[2]);
    const int left = kTurnFrameLeft + m_match.m_state.m_current * kTurnFrameStep;
    GUI::DrawOutline(left, kTurnFrameBottom, left + kTurnFrameWidth, kTurnFrameTop);
}

// Drawn under the squares' stones, so the stones themselves keep their colours.
void CValdmoor::DrawMoveTints() const
{
    const KingMove& move = m_match.m_state.m_lastMove;
    if (!move.m_made)
        return;
    const unsigned char* colour = kPlayerColours[move.m_mover];
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glColor4ub(colour[0], colour[1], colour[2], kTintAlpha);
    for (const int square : {move.m_from, move.m_to})
    {
        const int left = SquareLeft(square);
        const int bottom = SquareBottom(square);
        glRecti(left + kMarkInner, bottom + kMarkInner, left + kMarkOuter - kMarkInner, bottom + kMarkOuter - kMarkInner);
    }
    glDisable(GL_BLEND);
}

// A frame in the mover's colour round the square the hovered card would take
// the king to, and beside it what the card does to both scores.
void CValdmoor::DrawCardTarget()
{
    m_preview->m_text.clear();
    const int slot = HoveredPlayableSlot();
    if (slot < 0)
        return;
    const PlayerID mover = m_match.m_state.m_current;
    const PlayPreview preview = PreviewPlay(m_match.m_state, mover, slot);
    DrawTargetFrame(preview.m_square, mover, kPlayerColours[mover]);
    DrawPreview(preview.m_square, preview.m_change);
}

// On the other side's stone, the mover's knight as well, since playing the
// card spends one.
void CValdmoor::DrawTargetFrame(int square, PlayerID mover, const unsigned char* colour) const
{
    glPushMatrix();
    glTranslatef((g_windowWidth - kBoardWidth) * 0.5f + static_cast<float>(SquareLeft(square)),
                 static_cast<float>(kBoardBottom + SquareBottom(square)), 0.0f);
    glColor3ub(colour[0], colour[1], colour[2]);
    GUI::DrawThickOutline(kMarkInner, kMarkInner, kMarkOuter - kMarkInner, kMarkOuter - kMarkInner, kFrameWidth);
    glColor3ub(255, 255, 255);
    if (m_match.m_state.m_board[square] == Opponent(mover))
    {
        glTranslatef(static_cast<float>(kKnightMarkInset), static_cast<float>(kKnightMarkInset), 0.0f);
        m_knightMarks[mover]->Draw();
    }
    glPopMatrix();
}

// The changes go right of the target square, or left of it near the board's
// right edge, on a dark panel so that they read over stones of either colour.
// The label is a child and is drawn after this, over the panel.
void CValdmoor::DrawPreview(int square, const int change[2])
{
    const PlayerID mover = m_match.m_state.m_current;
    const bool againstComputer = m_match.AgainstComputer();
    m_preview->m_text = ScoreChangeWords(mover, change[mover], change[Opponent(mover)], againstComputer);
    const int width = m_preview->m_font.TextWidth(m_preview->m_text.c_str());
    const int boardLeft = (g_windowWidth - kBoardWidth) / 2;
    const int squareLeft = boardLeft + SquareLeft(square);
    int left = squareLeft + kSquare + kPreviewGap;
    if (GUI::Beyond(left, width) > boardLeft + kBoardWidth)
        left = GUI::Below(squareLeft - kPreviewGap, width);
    const int height = m_preview->m_font.TextHeight(m_preview->m_text.c_str());
    const int bottom = GUI::CentredIn(kBoardBottom + SquareBottom(square), kSquare, height);
    m_preview->m_left = left;
    m_preview->m_bottom = bottom;
    m_preview->m_right = GUI::Beyond(left, width);
    m_preview->m_top = GUI::Beyond(bottom, height);

    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glColor4ub(0, 0, 0, kPreviewPanelAlpha);
    glRecti(GUI::Below(left, kPreviewPad), GUI::Below(bottom, kPreviewPad), GUI::Beyond(m_preview->m_right, kPreviewPad),
            GUI::Beyond(m_preview->m_top, kPreviewPad));
    glDisable(GL_BLEND);
    glColor3ub(255, 255, 255);
}

// A gold frame round the card, or round Draw or Skip, and for a card its
// square framed in gold too.
void CValdmoor::DrawHint() const
{
    if (!m_hintShown)
        return;
    const PlayerID mover = m_match.m_state.m_current;
    const GUI::IBaseWidget* marked = m_hint.m_kind == Decision::Play   ? m_handButtons[mover][m_hint.m_slot]
                                     : m_hint.m_kind == Decision::Draw ? static_cast<GUI::IBaseWidget*>(m_drawButton)
                                                                       : m_skipButton;
    glColor3ub(kHintColour[0], kHintColour[1], kHintColour[2]);
    GUI::DrawThickOutline(marked->m_left - kHintFrameGap - kHintFrameWidth,
                          marked->m_bottom - kHintFrameGap - kHintFrameWidth,
                          marked->m_right + kHintFrameGap + kHintFrameWidth,
                          marked->m_top + kHintFrameGap + kHintFrameWidth, kHintFrameWidth);
    if (m_hint.m_kind == Decision::Play)
        DrawTargetFrame(PreviewPlay(m_match.m_state, mover, m_hint.m_slot).m_square, mover, kHintColour);
    glColor3ub(255, 255, 255);
}

// Lit as if the pointer were on it while skipping is all the person can do.
void CValdmoor::LightSkip()
{
    const bool lit = OnlySkipLeft() || GUI::g_rootWidget.m_hover == m_skipButton;
    m_skipButton->m_currentTexture = lit ? &m_skipButton->m_overTexture : &m_skipButton->m_texture;
}

// The slot of the player to move that the pointer rests on, when a person
// may play its card now; -1 otherwise.
int CValdmoor::HoveredPlayableSlot() const
{
    if (!PersonToMove() || !GUI::g_rootWidget.m_hoverInside)
        return -1;
    const PlayerState& mover = m_match.m_state.m_players[m_match.m_state.m_current];
    for (int slot = 0; slot < HandSize; ++slot)
        if (GUI::g_rootWidget.m_hover == m_handButtons[m_match.m_state.m_current][slot] && mover.m_hand[slot] != NoCard &&
            mover.m_playable[slot])
            return slot;
    return -1;
}

bool CValdmoor::PersonToMove() const
{
    const CGameState& state = m_match.m_state;
    return state.m_currentController == Human && !m_match.Reviewing() && !state.IsOver();
}

bool CValdmoor::OnlySkipLeft() const
{
    if (!PersonToMove())
        return false;
    const PlayerState& mover = m_match.m_state.m_players[m_match.m_state.m_current];
    return std::none_of(std::begin(mover.m_playable), std::end(mover.m_playable), [](bool playable) { return playable; });
}

// Labels placed by their width are placed afresh as their words change; a
// font's glyphs may be as wide as an int holds, so the sums saturate.
void CValdmoor::UpdateWords()
{
    const CGameState& state = m_match.m_state;
    const bool againstComputer = m_match.AgainstComputer();
    for (PlayerID side : {Red, White})
        m_sideNames[side]->m_text = SideName(side, againstComputer);
    m_turnLine->m_text = TurnWords(state, againstComputer);
    m_cardsLeft->m_text = CardsLeftWords(static_cast<int>(state.m_deck.m_drawPile.size()));
    const auto width = [](const GUI::CLabel* label) { return label->m_font.TextWidth(label->m_text.c_str()); };
    m_sideNames[Red]->m_left = GUI::Below(m_scoreLabels[Red]->m_left - kSideNameGap, width(m_sideNames[Red]));
    m_turnLine->m_left = GUI::CentredIn(0, 2 * kTurnLineCentre, width(m_turnLine));
    m_cardsLeft->m_left = GUI::CentredIn(m_drawButton->m_left, kButtonWidth, width(m_cardsLeft));
    for (GUI::CLabel* label : {m_sideNames[Red], m_sideNames[White], m_turnLine, m_cardsLeft})
        label->m_right = GUI::Beyond(label->m_left, width(label));
}

// Quit at the bottom left; Draw and Skip side by side over the board.
void CValdmoor::AddScreenButtons()
{
    AddButton(kQuitCorner, kQuitCorner, kButtonWidth, "Quit", &CValdmoor::QuitGame);
    m_drawButton = AddButton(kDrawX, kTopRowY, kButtonWidth, "Draw", &CValdmoor::HumanDrawCard);
    m_skipButton = AddButton(kSkipX, kTopRowY, kButtonWidth, "Skip", &CValdmoor::HumanSkipTurn);
}

// Take-back and redo at the bottom right, under White's hand, where nothing
// else is drawn.
void CValdmoor::AddRecordButtons()
{
    AddButton(kUndoX, kRecordButtonY, kRecordButtonWidth, "Undo", &CValdmoor::TakeBack);
    AddButton(kUndoX + kRecordButtonWidth + kRecordButtonGap, kRecordButtonY, kRecordButtonWidth, "Redo",
              &CValdmoor::PutBack);
}

GUI::CButton* CValdmoor::AddButton(int x, int y, int width, const char* caption, void (CValdmoor::*action)())
{
    const Functor0<CValdmoor> click(this, action);
    ScreenButton* button = width == kButtonWidth
                               ? new ScreenButton(x, y, width, kButtonHeight, kButtonOut, kButtonOver, click)
                               : new CNarrowButton(x, y, width, kButtonHeight, kButtonOut, kButtonOver, click);
    button->AddChild(new GUI::CLabel(caption));
    AddChild(button);
    return button;
}

void CValdmoor::LoadCardTextures()
{
    for (int card = 0; card < CardCount; ++card)
    {
        const std::string name = "Assets/card" + std::to_string(CardDistance(card)) + "_" +
                                 std::to_string(CardDirection(card) + 1) + ".tga";
        m_cardTextures[card].Load(name.c_str(), TextureOptions{true});
    }
}

// A hand button has no picture until a card is dealt to it.
void CValdmoor::AddHand(PlayerID player)
{
    for (int slot = 0; slot < HandSize; ++slot)
    {
        m_handButtons[player][slot] =
            new HandButton(kHandX[player], kHandSlotY[slot], kCardWidth, kCardHeight, "", "",
                           Closure2<CValdmoor, PlayerID, int>(this, &CValdmoor::HumanPlayCard, player, slot));
        AddChild(m_handButtons[player][slot]);
    }
}

// Red's score over the board's left edge, White's inside its right one.
void CValdmoor::AddScores()
{
    const int margin = (g_windowWidth - kBoardWidth) / 2;
    m_scoreLabels[Red] = new GUI::CLabel(margin, kTopRowY, "0");
    m_scoreLabels[White] = new GUI::CLabel(g_windowWidth - margin - kScoreRoom, kTopRowY, "0");
    AddChild(m_scoreLabels[Red]);
    AddChild(m_scoreLabels[White]);
}

// Added last, so they are drawn over the board and the hands; their
// places are set as their words change.
void CValdmoor::AddWords()
{
    m_sideNames[Red] = new GUI::CLabel(0, kTopRowY, "");
    m_sideNames[White] = new GUI::CLabel(m_scoreLabels[White]->m_left + kScoreDigitsRoom, kTopRowY, "");
    m_turnLine = new GUI::CLabel(kTurnLineCentre, kTurnLineY, "");
    m_cardsLeft = new GUI::CLabel(m_drawButton->m_left, kCardsLeftY, "");
    m_preview = new GUI::CLabel(0, 0, "");
    for (GUI::CLabel* label : {m_sideNames[Red], m_sideNames[White], m_turnLine, m_cardsLeft, m_preview})
        AddChild(label);
}

void CValdmoor::AddSlotNumbers(PlayerID player)
{
    for (int slot = 0; slot < HandSize; ++slot)
        AddChild(new GUI::CLabel(kSlotNumberX[player], kHandSlotY[slot] + kSlotNumberRise, std::to_string(slot + 1)));
}

void CValdmoor::AddKnights(PlayerID player, const char* texture)
{
    for (int knight = 0; knight < KnightCount; ++knight)
    {
        m_knightImages[player][knight] = new GUI::CImage(kKnightX[player] + knight * kKnightStep[player], kKnightRowY,
                                                         kKnightSize, kKnightSize, texture);
        AddChild(m_knightImages[player][knight]);
    }
}

// The dialog joins this screen and deletes itself once answered. A question
// longer than the panel, as the end-of-game ones are, widens it so that the
// text stays on it; the status line's font is the one questions are drawn in.
void CValdmoor::AskQuestion(GUI::IBaseWidget* owner, const std::string& question, void (CValdmoor::*answer)(bool),
                            bool yesByDefault)
{
    // No panel need be wider than the window; the cap also keeps a font's
    // glyph sizes, which may be as large as an int holds, from overflowing.
    const int width = std::max(kQuestionWidth,
                               std::min(m_status->m_font.TextWidth(question.c_str()), g_windowWidth) + kQuestionMargins);
    GUI::OpenDialog<Question>(owner, Functor1<CValdmoor, bool>(this, answer), question, (g_windowWidth - width) / 2,
                              (g_windowHeight - kQuestionHeight) / 2, width, kQuestionHeight, yesByDefault);
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
