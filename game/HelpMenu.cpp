#include "game/HelpMenu.h"

#include "engine/Callables.h"
#include "engine/Window.h"
#include "game/MenuWidgets.h"
#include "gui/Image.h"
#include "gui/TabContainer.h"
#include "gui/TabScreen.h"
#include "gui/Textbox.h"

namespace
{

const char* const kB1 =
    "Valdmoor is a turnbased game, in which the players can take three possible actions during their "
    "turn; draw a card, play a card, or play a card in combination with a knight. If none of these "
    "options is possible, the player must skip his or her turn.";

const char* const kB2 =
    "Cards\nBoth players have a hand of up to 5 cards. Each card indicates a direction of movement "
    "(the arrow) and the amount of steps the king can be moved (the number). Cards can be played by "
    "clicking on them or pressing the corresponding number on the keyboard. If the player has less "
    "than 5 cards, it is also possible to draw an additional card. This can be done by pressing 'D' "
    "or by clicking on the draw card image.";

const char* const kB3 =
    "The king\nThis piece indicates the king. Both players control the same king by playing one of "
    "their cards. The king can only move to an empty space, or a space occupied by the opponent (see "
    "'Knights'). The king can NEVER be moved onto a square already occupied by the player whose turn "
    "it is.";

const char* const kB4 =
    "Objective\nThe winner of the game is the player who has the most points (see 'Scoring') at the "
    "end of the game. The game ends when neither player is able to make a move.";

const char* const kK1 =
    "Knights allow a player to convert a piece of his opponent to his own side. This can only be "
    "done 4 times, indicated by the four horseman at the top of the playing field. Each time you use "
    "a knight, one of the horseman will be removed.";

const char* const kK2 =
    "Example\nWhite has just played a card and it is now reds turn. Red has a card that will move "
    "the king two places to the left. Converting that piece to his own side will lower the of the "
    "white players score and at the same time increase the score for the red player. Fortunately, "
    "the red player still has knights left. He plays the movement card as normal, and the game will "
    "detect that a knight is used. A knight is removed from the top of the playing field to indicate "
    "that the player had used one of the knights.";

const char* const kS1 =
    "The score is calculated by examining the number of stones which are connected. Stones that are "
    "adjacent vertically or horizontally (but not diagonally) are considered connected. The number "
    "of connected stones is squared and added to the total score.";

const char* const kS2 =
    "Example 1\nIn this example white has two connected stones, giving white 2*2=4 points. The two "
    "red stones are not connected vertically or horizontally, so red has 1*1 + 1*1 = 1+1 = 2 points.";

const char* const kS3 =
    "Example 2\nIn this example white has 9 points (3 connected stones, so 3*3) and red has two sets "
    "of two connected stones, and a single stone: 2*2 + 2*2 + 1*1 = 9 points. So the scores are "
    "equal, even though red has two more pieces on the board.";

// The pages' places, in pixels from the window's bottom left. Text boxes
// fill from their top edge down, so a box's top edge places its first line;
// its bottom edge only bounds it. A box's width is what the window's width
// leaves of it once its left edge and the room at its right are taken.
const int kTabsEdge       = 10;             // the tabs' left and right edges from the window's
const int kTabsBottom     = 38;             // over "Back"
const int kTabsTopGap     = 12;             // from the tabs' top edge to the window's
const int kTextLeft       = 20;             // the pages' text column
const int kFirstLineTop   = 420;            // the first paragraph of every page
const int kPictureRoom    = 25;             // between a picture at the right and the window's right edge
const int kBesidePicture  = 5;              // from a picture at the left to the text right of it
const int kCardSize[2]    = {32, 64};       // a card, as large as on the game screen
const int kIconSize       = 64;             // the king and the knights
const int kExampleSize    = 128;            // a board example

// "Basics": four paragraphs; the card beside "Cards", the king beside "The
// king" with the paragraphs beside it 3 pixels clear of it.
const int kWideTextRoom   = 60;             // the paragraphs that have no picture beside them
const int kBesideIconRoom = kPictureRoom + kIconSize + 3;
const int kCardsTop       = 350;            // "Cards" and the card's top edge
const int kKingTop        = 230;            // "The king" and the king's top edge
const int kObjectiveTop   = 130;            // "Objective"
const int kBasicsBottoms[4] = {200, 170, 150, 50};   // of the four paragraphs

// "Knights": the knights at the right of the first paragraph, their top edge
// level with its first line; the example below them at the left with its
// text right of it.
const int kKnightsTextRoom    = kPictureRoom + kIconSize + 1;   // 1 pixel clear of the knights
const int kKnightExampleTop   = 330;        // the example's top edge and its text's
const int kKnightExampleRoom  = 15;         // right of the example's text
const int kKnightsBottoms[2]  = {200, 150}; // of the two paragraphs

// "Scoring": the rule across the page, then the first example at the right
// beside its text and the second at the left with its text right of it.
const int kRuleRoom           = 20;         // right of the rule
const int kExampleOneTop      = 320;        // the first example's picture and text
const int kExampleOneRoom     = kPictureRoom + kExampleSize - 5;    // its text runs 5 pixels onto the picture
const int kExampleTwoLeft     = 25;         // the second example's picture
const int kExampleTwoBottom   = 50;         // the second example's picture and text; the text's top
                                            // edge is level with the picture's
const int kExampleTwoRoom     = 10;         // right of the second example's text
const int kScoringBottoms[2]  = {200, 200}; // of the rule and the first example's text

void AddText(GUI::IBaseWidget* page, int left, int bottom, int rightRoom, int top, const char* text)
{
    page->AddChild(new GUI::CTextbox(left, bottom, g_windowWidth - left - rightRoom, top - bottom, text));
}

void AddPicture(GUI::IBaseWidget* page, int x, int y, int width, int height, const char* texture)
{
    page->AddChild(new GUI::CImage(x, y, width, height, texture));
}

// A picture that ends kPictureRoom inside the window's right edge.
void AddPictureAtRight(GUI::IBaseWidget* page, int y, int width, int height, const char* texture)
{
    AddPicture(page, g_windowWidth - kPictureRoom - width, y, width, height, texture);
}

} // namespace

CHelpMenu::CHelpMenu(GUI::CScreen* menu) : CBackScreen(menu)
{
    GUI::CTabContainer* tabs = new GUI::CTabContainer(kTabsEdge, kTabsBottom, g_windowWidth - 2 * kTabsEdge,
                                                      g_windowHeight - kTabsBottom - kTabsTopGap);
    AddChild(tabs);
    GUI::CTabScreen* basics = new GUI::CTabScreen("Basics");
    GUI::CTabScreen* knights = new GUI::CTabScreen("Knights");
    GUI::CTabScreen* scoring = new GUI::CTabScreen("Scoring");
    tabs->AddTab(basics);
    tabs->AddTab(knights);
    tabs->AddTab(scoring);
    AddBackButton(this, Functor0<CBackScreen>(this, &CBackScreen::GoBack));

    AddText(basics, kTextLeft, kBasicsBottoms[0], kWideTextRoom, kFirstLineTop, kB1);
    AddText(basics, kTextLeft, kBasicsBottoms[1], kWideTextRoom, kCardsTop, kB2);
    AddPictureAtRight(basics, kCardsTop - kCardSize[1], kCardSize[0], kCardSize[1], "Assets/card2_4.tga");
    AddText(basics, kTextLeft, kBasicsBottoms[2], kBesideIconRoom, kKingTop, kB3);
    AddPictureAtRight(basics, kKingTop - kIconSize, kIconSize, kIconSize, "Assets/kingexample.tga");
    AddText(basics, kTextLeft, kBasicsBottoms[3], kBesideIconRoom, kObjectiveTop, kB4);

    AddText(knights, kTextLeft, kKnightsBottoms[0], kKnightsTextRoom, kFirstLineTop, kK1);
    AddPictureAtRight(knights, kFirstLineTop - kIconSize, kIconSize, kIconSize, "Assets/knightss.tga");
    AddText(knights, kTextLeft + kExampleSize + kBesidePicture, kKnightsBottoms[1], kKnightExampleRoom,
            kKnightExampleTop, kK2);
    AddPicture(knights, kTextLeft, kKnightExampleTop - kExampleSize, kExampleSize, kExampleSize,
               "Assets/knightexample.tga");

    AddText(scoring, kTextLeft, kScoringBottoms[0], kRuleRoom, kFirstLineTop, kS1);
    AddText(scoring, kTextLeft, kScoringBottoms[1], kExampleOneRoom, kExampleOneTop, kS2);
    AddPictureAtRight(scoring, kExampleOneTop - kExampleSize, kExampleSize, kExampleSize, "Assets/scoringexample1.tga");
    AddText(scoring, kExampleTwoLeft + kExampleSize + kBesidePicture, kExampleTwoBottom, kExampleTwoRoom,
            kExampleTwoBottom + kExampleSize, kS3);
    AddPicture(scoring, kExampleTwoLeft, kExampleTwoBottom, kExampleSize, kExampleSize, "Assets/scoringexample2.tga");
}
