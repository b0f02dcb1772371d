"""Where the game puts things in its 600 by 480 window: (x, y) of the
bottom-left corner, y counted upwards, as the game's own code counts."""

BUTTON_SIZE = (128, 32)

MAIN_MENU = {"1 Player": (10, 170), "2 Players": (10, 135), "Instructions": (10, 100),
             "Credits": (10, 65), "Quit": (10, 30)}
DIFFICULTY_MENU = {"Easy": (10, 170), "Medium": (10, 135), "Hard": (10, 100), "Expert": (10, 65), "Back": (10, 30)}
CORNER_BACK = (462, 3)                      # "Back" of the help and credits screens

TAB_HEADERS = {"Basics": (15, 436), "Knights": (148, 436), "Scoring": (281, 436)}
# The example pictures of each help page: file, position and drawn size.
HELP_PICTURES = {
    "Basics": [("card2_4.tga", (543, 286), (32, 64)), ("kingexample.tga", (511, 166), (64, 64))],
    "Knights": [("knightss.tga", (511, 356), (64, 64)), ("knightexample.tga", (20, 202), (128, 128))],
    "Scoring": [("scoringexample1.tga", (447, 192), (128, 128)), ("scoringexample2.tga", (25, 50), (128, 128))],
}

GAME_BUTTONS = {"Quit": (10, 10), "Draw": (167, 430), "Skip": (305, 430)}
HAND_X = (40, 525)                          # Red's and White's hand columns
SLOT_Y = (340, 270, 200, 130, 60)           # slots 1 to 5, top to bottom
CARD_SIZE = (32, 64)
SCORE_LABELS = ((129, 430), (451, 430))     # Red's, White's
STATUS_LABEL = (0, 0)
KNIGHTS = (((130, 410), (150, 410), (170, 410), (190, 410)),     # Red's, then White's
           ((455, 410), (435, 410), (415, 410), (395, 410)))
KNIGHT_SIZE = (16, 16)
BOARD_ORIGIN = (129, 60)                    # the bottom-left corner of square (row 0, column 0)
SQUARE = 38                                 # squares are 38 pixels apart
BOARD = (*BOARD_ORIGIN, 9 * SQUARE, 9 * SQUARE)     # left, bottom, width and height
PIECE_INSET = 3                             # stones and the king sit 3 pixels inside their square
PIECE_SIZE = (32, 32)
MARK_BAND = (1, 2, 35, 36)                  # rows and columns inside a square, clear of its grid lines and
                                            # of its piece, where the move and target marks show
KNIGHT_MARK_INSET = 11                      # the knight on a hovered card's target, from the square's corner
TURN_FRAME_X = (10, 505)                    # left edge of the frame around Red's, White's hand

DIALOG = (150, 190, 300, 100)               # x, y, width, height of a yes/no question at its narrowest
DIALOG_MARGIN = 10                          # from the panel's sides to the buttons and the question
DIALOG_BUTTON_Y = 200
DIALOG_QUESTION_Y = 250
DIALOG_PANEL = (100, 100, 100)
DIALOG_OUTLINE = (200, 190, 20)


def centre(position, size=BUTTON_SIZE):
    """The middle of a widget, where a person would click it."""
    return position[0] + size[0] // 2, position[1] + size[1] // 2


def game_button(caption):
    """Left, bottom, width and height of a button of the game screen."""
    return (*GAME_BUTTONS[caption], *BUTTON_SIZE)


def card_centre(player, slot):
    return centre((HAND_X[player], SLOT_Y[slot]), CARD_SIZE)


def square_origin(row, column):
    """Bottom-left corner of a square, on its grid lines."""
    return BOARD_ORIGIN[0] + column * SQUARE, BOARD_ORIGIN[1] + row * SQUARE


def mark_band(row, column):
    """The pixels of a square where its marks show: two pixels deep inside each grid line."""
    left, bottom = square_origin(row, column)
    return [(left + x, bottom + y) for x in range(1, 37) for y in range(1, 37)
            if x in MARK_BAND or y in MARK_BAND]


def square_corner(row, column):
    """Bottom-left corner of the piece drawn on a square."""
    return (BOARD_ORIGIN[0] + column * SQUARE + PIECE_INSET, BOARD_ORIGIN[1] + row * SQUARE + PIECE_INSET)
