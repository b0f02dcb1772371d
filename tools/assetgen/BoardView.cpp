#include "tools/assetgen/BoardView.h"

#include <cmath>

#include "tools/assetgen/Materials.h"
#include "tools/assetgen/Palette.h"

namespace
{

const float kGameSquare = 38.0f;            // pixels on the game screen
const float kGamePiece = 32.0f;             // pixels, the stone and the king
const float kGameInset = 3.0f;              // pixels from the square's corner to the piece's
const std::uint32_t kBoardSeed = 1905;

} // namespace

CBoardView::CBoardView(int width, int height, Point corner, float square)
    : m_picture(width, height), m_corner(corner), m_square(square)
{
    const float scale = square / kGameSquare;
    m_picture.Fill([&](float x, float y) {
        const Colour wood = Shaded(Material::Wood(x + 40.0f, y + 120.0f, scale, kBoardSeed), 1.05f);
        // The grid lines fall on pixel centres, so they come out one pixel wide.
        const float gx = std::fabs(std::remainder(x - m_corner.x - 0.5f, m_square));
        const float gy = std::fabs(std::remainder(y - m_corner.y - 0.5f, m_square));
        const float line = Shape::Coverage(std::fmin(gx, gy) - 0.5f);
        return Mix(Shaded(wood, Palette::kBoardDarkening), kWhite, line);
    });
}

Point CBoardView::Centre(int column, int row) const
{
    return {m_corner.x + (static_cast<float>(column) + 0.5f) * m_square,
            m_corner.y + (static_cast<float>(row) + 0.5f) * m_square};
}

void CBoardView::PlaceStone(int column, int row, Pieces::Side side)
{
    const float inset = kGameInset * m_square / kGameSquare;
    m_picture.Draw(Pieces::TintedStone(PieceSize(), side),
                   static_cast<int>(std::lround(m_corner.x + column * m_square + inset)),
                   static_cast<int>(std::lround(m_corner.y + row * m_square + inset)));
}

void CBoardView::PlaceKing(FontSet& fonts, int column, int row)
{
    const float inset = kGameInset * m_square / kGameSquare;
    m_picture.Draw(Pieces::King(fonts, PieceSize()),
                   static_cast<int>(std::lround(m_corner.x + column * m_square + inset)),
                   static_cast<int>(std::lround(m_corner.y + row * m_square + inset)));
}

void CBoardView::Link(int column, int row, int toColumn, int toRow)
{
    const Point from = Centre(column, row);
    const Point to = Centre(toColumn, toRow);
    const float half = m_square * 0.07f;
    m_picture.Paint([&](float x, float y) {
        const float distance = Shape::Segment({x, y}, from, to, half);
        const Colour rim = WithAlpha(Palette::kOutline, Shape::Coverage(distance - 1.0f));
        const Colour bar = WithAlpha(Material::Gold(0.3f - (y - from.y) / half * 0.3f), Shape::Coverage(distance));
        return Over(bar, rim);
    });
}

const CCanvas& CBoardView::Picture() const
{
    return m_picture;
}

CCanvas& CBoardView::Picture()
{
    return m_picture;
}

int CBoardView::PieceSize() const
{
    return static_cast<int>(std::lround(kGamePiece * m_square / kGameSquare));
}
