#include "tools/assetgen/HelpPictures.h"

#include <cmath>
#include <vector>

#include "tools/assetgen/BoardView.h"
#include "tools/assetgen/Palette.h"
#include "tools/assetgen/Pieces.h"

namespace HelpPictures
{

namespace
{

using Pieces::Side;

const float kSquare = 38.0f;                // pixels, as on the game screen
const float kSmallSquare = 30.0f;           // pixels, for the four-by-four examples

// A thin dark frame round a help picture, so that it sits on the grey page.
void Frame(CCanvas& picture)
{
    const float w = static_cast<float>(picture.Width()), h = static_cast<float>(picture.Height());
    picture.Paint([&](float x, float y) {
        const float inside = Shape::Box({x, y}, {w * 0.5f, h * 0.5f}, {w * 0.5f - 1.0f, h * 0.5f - 1.0f}, 0.0f);
        return WithAlpha(Palette::kOutline, Shape::Coverage(-inside));
    });
}

// The arrow of a move: a crimson stroke with a head at its end.
void PaintMove(CCanvas& picture, Point from, Point to)
{
    const float dx = to.x - from.x, dy = to.y - from.y;
    const float length = std::hypot(dx, dy);
    const float ux = dx / length, uy = dy / length;
    const Point neck = {to.x - ux * 9.0f, to.y - uy * 9.0f};
    const std::vector<Point> head = {to, {neck.x - uy * 7.0f, neck.y + ux * 7.0f}, {neck.x + uy * 7.0f, neck.y - ux * 7.0f}};
    picture.Paint([&](float x, float y) {
        const float distance = std::fmin(Shape::Segment({x, y}, from, neck, 2.5f), Shape::Polygon({x, y}, head));
        const Colour rim = WithAlpha(Palette::kOutline, Shape::Coverage(distance - 1.3f));
        // Lit along its upper edge, like the arrows of the cards.
        const Colour lit = Mix(Palette::kCrimson, Palette::kCrimsonLight, Clamp01(0.4f - distance * 0.25f - (y - to.y) * 0.12f));
        const Colour body = WithAlpha(lit, Shape::Coverage(distance));
        return Over(body, rim);
    });
}

} // namespace

CCanvas KingExample(FontSet& fonts)
{
    CBoardView board(64, 64, {13.0f - kSquare, 13.0f - kSquare}, kSquare);
    board.PlaceStone(0, 1, Side::Red);
    board.PlaceStone(2, 1, Side::White);
    board.PlaceKing(fonts, 1, 1);
    Frame(board.Picture());
    return board.Picture();
}

CCanvas Horsemen(FontSet& fonts)
{
    CCanvas horsemen(64, 64);
    const CCanvas knight = Pieces::Knight(fonts, 30, Side::Red);
    horsemen.Draw(knight, 3, 1);
    horsemen.Draw(knight, 31, 1);
    horsemen.Draw(knight, 3, 32);
    horsemen.Draw(knight, 31, 32);
    return horsemen;
}

CCanvas KnightExample(FontSet& fonts)
{
    CBoardView board(128, 128, {7.0f, 7.0f}, kSquare);
    board.PlaceStone(0, 0, Side::Red);
    board.PlaceStone(2, 0, Side::White);
    board.PlaceStone(0, 1, Side::White);
    board.PlaceStone(2, 1, Side::White);
    board.PlaceStone(1, 2, Side::Red);
    board.PlaceKing(fonts, 2, 1);
    const Point from = board.Centre(2, 1);
    const Point to = board.Centre(0, 1);
    PaintMove(board.Picture(), {from.x - 16.0f, from.y}, {to.x + 9.0f, to.y});
    // The knight that the move spends, riding at the stone it converts.
    board.Picture().Draw(Pieces::Knight(fonts, 20, Side::Red), static_cast<int>(to.x) + 2, static_cast<int>(to.y) - 24);
    Frame(board.Picture());
    return board.Picture();
}

CCanvas ScoringExample1(FontSet&)
{
    CBoardView board(128, 128, {4.0f, 4.0f}, kSmallSquare);
    board.Link(1, 1, 2, 1);
    board.PlaceStone(1, 1, Side::White);
    board.PlaceStone(2, 1, Side::White);
    board.PlaceStone(3, 2, Side::Red);
    board.PlaceStone(2, 3, Side::Red);
    Frame(board.Picture());
    return board.Picture();
}

CCanvas ScoringExample2(FontSet&)
{
    CBoardView board(128, 128, {4.0f, 4.0f}, kSmallSquare);
    board.Link(0, 0, 2, 0);
    board.Link(0, 2, 1, 2);
    board.Link(3, 1, 3, 2);
    board.PlaceStone(0, 0, Side::White);
    board.PlaceStone(1, 0, Side::White);
    board.PlaceStone(2, 0, Side::White);
    board.PlaceStone(3, 1, Side::Red);
    board.PlaceStone(0, 2, Side::Red);
    board.PlaceStone(1, 2, Side::Red);
    board.PlaceStone(3, 2, Side::Red);
    board.PlaceStone(2, 3, Side::Red);
    Frame(board.Picture());
    return board.Picture();
}

} // namespace HelpPictures
