// The page's equations panel: with the fonts the page ships it is the
// desktop's panel but for the glyphs' own pixels, at every ratio.
#include "platform/qt/QtTextBackend.h"
#include "tests/web/FontFiles.h"
#include "web/core/PagePanel.h"
#include "web/text/StbTextBackend.h"

#include <gtest/gtest.h>

namespace {

constexpr std::uint32_t kBlack = 0xFF000000u;

} // namespace

TEST(PagePanel, IsTheDesktopsPanelOutsideTheGlyphs)
{
    web::StbTextBackend page;
    ASSERT_TRUE(page.AddFace("Liberation Serif", font_files::Liberation("LiberationSerif-Regular.ttf")));
    ASSERT_TRUE(page.AddFace("Liberation Serif", font_files::Liberation("LiberationSerif-Italic.ttf"), false, true));
    page.AddAlias("Times New Roman", "Liberation Serif");
    platform::qt::QtTextBackend desktop;

    for (const double ratio : {1.0, 1.5, 2.0}) {
        const platform::PixelBuffer shown = web::DrawPanelPicture(page, ratio);
        const platform::PixelBuffer expected = web::DrawPanelPicture(desktop, ratio);
        ASSERT_EQ(shown.Width(), expected.Width());
        ASSERT_EQ(shown.Height(), expected.Height());
        int differing = 0;
        int outsideGlyphs = 0;
        int ink = 0;
        int expectedInk = 0;
        for (int y = 0; y < shown.Height(); ++y) {
            for (int x = 0; x < shown.Width(); ++x) {
                ink += shown.At(x, y) == kBlack ? 1 : 0;
                expectedInk += expected.At(x, y) == kBlack ? 1 : 0;
                if (shown.At(x, y) == expected.At(x, y))
                    continue;
                ++differing;
                if (shown.At(x, y) != kBlack && expected.At(x, y) != kBlack)
                    ++outsideGlyphs;
            }
        }
        EXPECT_EQ(outsideGlyphs, 0) << ratio;
        // The same faces at the same sizes, but outlines not fitted to the
        // pixel grid as the desktop's are: the glyphs' pixels differ, their
        // weight much less.
        EXPECT_NEAR(ink, expectedInk, expectedInk / 6) << ratio;
        RecordProperty("differing_at_" + std::to_string(static_cast<int>(ratio * 10)), differing);
    }
}

TEST(PagePanel, IsDrawnAgainOnlyAtANewRatio)
{
    web::StbTextBackend text;
    web::PagePanel panel(text);
    EXPECT_TRUE(panel.Picture().IsEmpty());
    EXPECT_TRUE(panel.Update(1.0));
    EXPECT_EQ(panel.Picture().Width(), 161);
    EXPECT_FALSE(panel.Update(1.0));
    EXPECT_TRUE(panel.Update(2.0));
    EXPECT_EQ(panel.Picture().Width(), 322);
    EXPECT_EQ(panel.Picture().Height(), 338);
    EXPECT_EQ(panel.Picture().Ratio(), 2.0);
}
