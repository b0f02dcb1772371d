"""The rules of the game as a player knows them: where a card takes the
king, which cards can be played, the scores, the end. The harness keeps
its own account of every game with them and holds the screen to it."""

RED, WHITE = 0, 1
NAMES = ("Red", "White")
# Row and column steps of the eight directions; rows count upwards.
DIRECTIONS = ((1, 0), (1, 1), (0, 1), (-1, 1), (-1, 0), (-1, -1), (0, -1), (1, -1))


def card_picture(card):
    return f"card{card // 8 + 1}_{card % 8 + 1}.tga"


class Position:
    def __init__(self, board, king, hands, knights, current):
        self.board = board                  # {(row, column): RED or WHITE} for every stone
        self.king = king                    # (row, column)
        self.hands = hands                  # two lists of five cards, None for an empty slot
        self.knights = knights              # knights left, Red's and White's
        self.current = current              # RED or WHITE

    def copy(self):
        return Position(dict(self.board), self.king, [list(hand) for hand in self.hands],
                        list(self.knights), self.current)

    def target(self, card):
        """The square the card takes the king to: eight directions, one to three squares."""
        row, column = DIRECTIONS[card % 8]
        return self.king[0] + row * (card // 8 + 1), self.king[1] + column * (card // 8 + 1)

    def playable(self, player, slot):
        """As the game shades a slot: empty (a draw is possible) or a card that can go now."""
        card = self.hands[player][slot]
        if card is None:
            return True
        row, column = self.target(card)
        if not (0 <= row <= 8 and 0 <= column <= 8):
            return False
        owner = self.board.get((row, column))
        if owner == player:
            return False
        return owner is None or self.knights[player] > 0

    def playable_cards(self, player):
        return [slot for slot in range(5) if self.hands[player][slot] is not None and self.playable(player, slot)]

    def can_act(self, player):
        return any(self.playable(player, slot) for slot in range(5))

    def over(self):
        return not self.can_act(RED) and not self.can_act(WHITE)

    def scores(self):
        """The sum over each player's orthogonal groups of the group's size squared."""
        totals = [0, 0]
        seen = set()
        for square, owner in self.board.items():
            if square in seen:
                continue
            size, todo = 0, [square]
            seen.add(square)
            while todo:
                row, column = todo.pop()
                size += 1
                for near in ((row + 1, column), (row - 1, column), (row, column + 1), (row, column - 1)):
                    if near not in seen and self.board.get(near) == owner:
                        seen.add(near)
                        todo.append(near)
            totals[owner] += size * size
        return totals

    def play(self, slot):
        player = self.current
        card = self.hands[player][slot]
        self.king = self.target(card)
        if self.board.get(self.king) == 1 - player:
            self.knights[player] -= 1
        self.board[self.king] = player
        self.hands[player][slot] = None
        self.current = 1 - player

    def draw(self, card):
        self.hands[self.current][self.hands[self.current].index(None)] = card
        self.current = 1 - self.current

    def skip(self):
        self.current = 1 - self.current

    def result(self, computer_plays_white):
        """The sentence that announces the end of the game."""
        red, white = self.scores()
        if red == white:
            return "The game is a draw, nobody wins."
        if computer_plays_white:
            return "You win." if red > white else "You lose."
        return "Red wins." if red > white else "White wins."
