// The window on a Czech desktop: registered with LC_ALL=cs_CZ.UTF-8, so that
// the window reads the real system locale, whose decimal separator is a comma.
#include "AppTestSupport.h"

#include "chart/qt/Chart.h"

#include <vector>

namespace {

class CzechDesktop : public app_testing::FormFixture {
protected:
    // The window reads the system's locale itself.
    void SetUp() override
    {
        form = std::make_unique<TForm1>(runLoop, &errors);
        form->show();
    }

    std::vector<double> FortyPointsOfADefaultRun()
    {
        RunPasses(40);
        EXPECT_TRUE(errors.shown.empty());
        const TChartSeries& run = *form->Chart1->SeriesAt(0);
        std::vector<double> points;
        for (int i = 0; i < run.PointCount(); ++i)
            points.insert(points.end(), {run.XValueAt(i), run.YValueAt(i)});
        return points;
    }
};

TEST_F(CzechDesktop, TheDefaultsRunAsWithAPointAndAPointIsStillRefused)
{
    ASSERT_EQ(QLocale::system().decimalPoint(), QStringLiteral(","));
    EXPECT_EQ(form->Edit1->text() + u' ' + form->Edit2->text() + u' ' + form->Edit3->text(), "0,8 10 0,05");
    const std::vector<double> czech = FortyPointsOfADefaultRun();
    ASSERT_EQ(czech.size(), 80u);
    CreateForm(QLocale::c());
    EXPECT_EQ(FortyPointsOfADefaultRun(), czech);

    SetUp();
    form->Edit1->setText(QStringLiteral("0.8"));
    app_testing::Click(form->Button1);
    EXPECT_EQ(errors.Texts(), std::vector<QString>{QStringLiteral("'0.8' is not a valid floating point value.")});
}

} // namespace
