// The page's equations panel (its pixels against the desktop's are checked
// in the browser, tests/web/browser/panel.test.mjs).
#include "web/core/PagePanel.h"
#include "web/text/StbTextBackend.h"

#include <gtest/gtest.h>

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
