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

void AddText(GUI::IBaseWidget* page, int x, int y, int width, int height, const char* text)
{
    page->AddChild(new GUI::CTextbox(x, y, width, height, text));
}

void AddPicture(GUI::IBaseWidget* page, int x, int y, int width, int height, const char* texture)
{
    page->AddChild(new GUI::CImage(x, y, width, height, texture));
}

} // namespace

// Text boxes fill from their top edge down, so a box's height places its
// first line, not its last.
CHelpMenu::CHelpMenu(GUI::CScreen* menu) : CBackScreen(menu)
{
    const int width = g_windowWidth;
    const int height = g_windowHeight;

    GUI::CTabContainer* tabs = new GUI::CTabContainer(10, 38, width - 20, height - 50);
    AddChild(tabs);
    GUI::CTabScreen* basics = new GUI::CTabScreen("Basics");
    GUI::CTabScreen* knights = new GUI::CTabScreen("Knights");
    GUI::CTabScreen* scoring = new GUI::CTabScreen("Scoring");
    tabs->AddTab(basics);
    tabs->AddTab(knights);
    tabs->AddTab(scoring);
    AddMenuButton(this, width - 138, 3, "Back", Functor0<GUI::CScreen>(menu, &GUI::CScreen::Show));

    AddText(basics, 20, 200, width - 80, 220, kB1);
    AddText(basics, 20, 170, width - 80, 180, kB2);
    AddPicture(basics, width - 57, 286, 32, 64, "Assets/card2_4.tga");
    AddText(basics, 20, 150, width - 112, 80, kB3);
    AddPicture(basics, width - 89, 166, 64, 64, "Assets/kingexample.tga");
    AddText(basics, 20, 50, width - 112, 80, kB4);

    AddText(knights, 20, 200, width - 110, 220, kK1);
    AddPicture(knights, width - 89, 356, 64, 64, "Assets/knightss.tga");
    AddText(knights, 153, 150, width - 168, 180, kK2);
    AddPicture(knights, 20, 202, 128, 128, "Assets/knightexample.tga");

    AddText(scoring, 20, 200, width - 40, 220, kS1);
    AddText(scoring, 20, 200, width - 168, 120, kS2);
    AddPicture(scoring, width - 153, 192, 128, 128, "Assets/scoringexample1.tga");
    AddText(scoring, 158, 50, width - 168, 128, kS3);
    AddPicture(scoring, 25, 50, 128, 128, "Assets/scoringexample2.tga");
}
