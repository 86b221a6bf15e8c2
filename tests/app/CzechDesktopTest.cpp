// The window on a Czech desktop: registered to run with LC_ALL=cs_CZ.UTF-8,
// so that the window reads the real system locale, whose decimal separator is
// a comma.
#include "AppTestSupport.h"

#include "chart/Chart.h"

#include <QLineEdit>
#include <QPushButton>

#include <utility>
#include <vector>

using app_testing::Click;

namespace {

class CzechDesktop : public app_testing::FormFixture {
protected:
    void SetUp() override
    {
        ASSERT_EQ(QLocale::system().decimalPoint(), QStringLiteral(",")) << "registered with a Czech locale";
        // The window reads the system's locale itself.
        form = std::make_unique<TForm1>(runLoop, &errors);
        runLoop.stopEverything = [this] { form->Button2Click(form->Button2); };
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    }

    // The points of the given run as (time, degrees).
    std::vector<std::pair<double, double>> Points(int series) const
    {
        const TChartSeries& run = *form->Chart1->SeriesAt(series);
        std::vector<std::pair<double, double>> points;
        for (int i = 0; i < run.PointCount(); ++i)
            points.emplace_back(run.XValueAt(i), run.YValueAt(i));
        return points;
    }
};

TEST_F(CzechDesktop, TheDefaultsRunAsInAPointLocaleAndAPointIsStillRefused)
{
    EXPECT_EQ(form->Edit1->text(), QStringLiteral("0,8"));
    EXPECT_EQ(form->Edit2->text(), QStringLiteral("10"));
    EXPECT_EQ(form->Edit3->text(), QStringLiteral("0,05"));
    RunPasses(40);
    EXPECT_TRUE(errors.shown.empty());
    const auto czech = Points(0);
    ASSERT_EQ(czech.size(), 40u);

    // The same run in a window whose locale writes numbers with ".".
    CreateForm(QLocale::c());
    EXPECT_EQ(form->Edit1->text(), QStringLiteral("0.8"));
    RunPasses(40);
    EXPECT_TRUE(errors.shown.empty());
    EXPECT_EQ(Points(0), czech);

    SetUp();
    form->Edit1->setText(QStringLiteral("0.8"));
    Click(form->Button1);
    EXPECT_EQ(errors.Texts(), std::vector<QString>{QStringLiteral("'0.8' is not a valid floating point value.")});
}

} // namespace
