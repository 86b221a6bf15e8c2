// The progress line of long runs, against a clock the test turns.
#include "CliTestSupport.h"

#include "cli/ProgressLine.h"

namespace {

// The line's output for points that take the given seconds each, with a
// total of `total` points and `done` of them done before Erase.
std::string ProgressOf(std::int64_t total, std::int64_t done, double secondsPerPoint)
{
    double now = 100.0;
    std::FILE* terminal = std::tmpfile();
    {
        cli::ProgressLine line(terminal, total, [&now] { return now; });
        for (std::int64_t i = 0; i < done; ++i) {
            now += secondsPerPoint;
            line.AddSample({});
        }
        line.Erase();
    }
    return cli_testing::ReadAll(terminal);
}

} // namespace

TEST(ProgressLine, ShowsAfterASecondAndIsErasedWhenDone)
{
    // 25,000 points a second: the first look at the clock after one second
    // is at 28,672 points (7 x 4,096), the next after another quarter second.
    const std::string text = ProgressOf(100'000, 40'000, 4e-5);
    EXPECT_TRUE(text.starts_with("\rkyvadlo-run: 28672 of 100000 points (28 %), 25000 points/s, 3 s left\033[K"
                                 "\rkyvadlo-run: 36864 of 100000 points (36 %), 25000 points/s, 3 s left\033[K"))
        << text;
    EXPECT_TRUE(text.ends_with("\033[K\r\033[K")) << "erased at the end";
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 0) << "one line, redrawn in place";

    EXPECT_EQ(ProgressOf(100'000, 100'000, 1e-6), "") << "work of a tenth of a second shows nothing";
    EXPECT_NE(ProgressOf(10'000'000, 5'000'000, 4e-7).find(", 2.5 million points/s, "), std::string::npos);
}
