#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <vector>

#include "tests/tools/GeneratedFiles.h"

namespace
{

const int kLineHeight = 16;                 // pixels, every glyph's cell

struct Record { float dx, dy, tx1, ty1, tx2, ty2; };   // glyph size as the file gives it, texture rectangle

// The font file split into its parts as its reader sees them.
class FontFile : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_GE(bytes.size(), 24u);
        std::memcpy(header, bytes.data(), sizeof header);
        const std::size_t count = static_cast<std::size_t>(header[4] - header[3] + 1);
        ASSERT_EQ(bytes.size(), 24 + 24 * count + 2u * header[1] * header[2]);
        records.resize(count);
        std::memcpy(records.data(), bytes.data() + 24, 24 * count);
        atlas = bytes.data() + 24 + 24 * count;
    }

    // The reader's own measure: the rectangle's share of the atlas in double precision, truncated.
    int PixelWidth(const Record& r) const { return static_cast<int>((static_cast<double>(r.tx2) - r.tx1) * header[1]); }
    const Record& Glyph(char code) const { return records[static_cast<std::size_t>(code - header[3])]; }

    // Coverage of the glyph's cell at column x and row y, row 0 at its upper edge.
    int Coverage(char code, int x, int y) const
    {
        const Record& r = Glyph(code);
        const long left = std::lround(r.tx1 * header[1]), top = std::lround(r.ty1 * header[2]);
        return atlas[2 * ((top + y) * header[1] + left + x) + 1];
    }

    // Rows of the glyph's cell that hold ink, top row 0.
    std::vector<int> InkedRows(char code) const
    {
        std::vector<int> rows;
        for (int y = 0; y < kLineHeight; ++y)
            for (int x = 0; x < PixelWidth(Glyph(code)); ++x)
                if (Coverage(code, x, y) > 64)
                {
                    rows.push_back(y);
                    break;
                }
        return rows;
    }

    const std::vector<std::uint8_t> bytes = FileBytes(AssetPath("font.glf"));
    std::int32_t        header[6];          // name, texWidth, texHeight, startChar, endChar, reserved
    std::vector<Record> records;
    const std::uint8_t* atlas = nullptr;
};

} // namespace

TEST_F(FontFile, HeaderAndGlyphRectanglesLieOnWholeTexelsOfA128By128Atlas)
{
    EXPECT_EQ(std::vector<std::int32_t>(header + 1, header + 5), (std::vector<std::int32_t>{128, 128, 32, 126}));
    for (std::size_t i = 0; i < records.size(); ++i)
    {
        SCOPED_TRACE(static_cast<char>(header[3] + static_cast<int>(i)));
        const Record& r = records[i];
        for (const double edge : {r.tx1 * 128.0, r.tx2 * 128.0, r.ty1 * 128.0, r.ty2 * 128.0})
            EXPECT_EQ(edge, std::floor(edge));
        EXPECT_GT(PixelWidth(r), 0);
        EXPECT_EQ((r.ty2 - r.ty1) * header[2], kLineHeight) << "every glyph is one line high";
        EXPECT_GE(std::min(r.tx1, r.ty1), 0.0f);
        EXPECT_LE(std::max(r.tx2, r.ty2), 1.0f);
    }
}

TEST_F(FontFile, AtlasIsWhiteWithCoverageInAlphaAndTheSpaceIsBlank)
{
    const std::size_t texels = static_cast<std::size_t>(header[1]) * header[2];
    std::size_t inked = 0;
    for (std::size_t i = 0; i < texels; ++i)
    {
        ASSERT_EQ(atlas[2 * i], 255) << "texel " << i;
        inked += atlas[2 * i + 1] > 0;
    }
    EXPECT_GT(inked, texels / 10);
    for (int y = 0; y < kLineHeight; ++y)
        for (int x = 0; x < PixelWidth(Glyph(' ')); ++x)
            EXPECT_EQ(Coverage(' ', x, y), 0);
}

// ty1 is the upper edge and the atlas's first row is at t = 0, so a glyph's
// top row is the cell row nearest the atlas's first row.
TEST_F(FontFile, GlyphsAreStoredUpright)
{
    const std::vector<int> underscore = InkedRows('_'), quote = InkedRows('\''), letter = InkedRows('x'),
                           capital = InkedRows('T');
    ASSERT_FALSE(underscore.empty() || quote.empty() || letter.empty() || capital.empty());
    EXPECT_GT(underscore.front(), letter.back()) << "the underscore lies below the baseline";
    EXPECT_LT(quote.front(), letter.front()) << "the quote stands above the x-height";
    EXPECT_LT(quote.back(), letter.back() - 2) << "and ends well above the baseline";
    EXPECT_LT(capital.front(), letter.front());
    EXPECT_EQ(capital.back(), letter.back()) << "letters share the baseline";
}
