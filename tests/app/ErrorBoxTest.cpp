#include "AppTestSupport.h"

#include "chart/qt/Chart.h"
#include "chart/ChartExceptions.h"

#include <QFontInfo>
#include <QMessageBox>
#include <QTimer>

#include <stdexcept>

using app_testing::RecordingErrorBox;

TEST(ErrorBox, FailureLeavingAHandlerIsShownAndGoesNoFurther)
{
    RecordingErrorBox box;
    bool after = false;
    RunHandler(box, [&] {
        throw AxisException(std::string("Axis minimum value must be <= maximum"));
        after = true;
    });
    EXPECT_FALSE(after);
    ASSERT_EQ(box.shown.size(), 1u);
    EXPECT_EQ(box.shown[0].text, QStringLiteral("Axis minimum value must be <= maximum."));
    EXPECT_EQ(box.shown[0].caption, QStringLiteral("app_tests"));

    // Messages that end in a character sorting up to "." keep their end.
    RunHandler(box, [] { throw ListIndexError(5); });
    EXPECT_EQ(box.shown.back().text, QStringLiteral("List index out of bounds (5)"));

    // Failures of the standard library reach the user too.
    RunHandler(box, [] { throw std::length_error("vector too long"); });
    EXPECT_EQ(box.shown.back().text, QStringLiteral("vector too long."));

    RunHandler(box, [] {});
    EXPECT_EQ(box.shown.size(), 3u) << "nothing shown without a failure";
}

class PaintFailure : public app_testing::FormFixture {};

TEST_F(PaintFailure, ChartThatCannotPaintShowsOneBoxAfterThePaint)
{
    TChart& chart = *form->Chart1;
    int paints = 0;
    chart.OnBeforeDrawAxes = [&](TCustomAxisPanel&) {
        ++paints;
        throw ChartException(std::string("Cannot draw"));
    };
    for (int i = 0; i < 3; ++i) {
        chart.RequestRepaint();
        chart.repaint();
    }
    EXPECT_EQ(paints, 3);
    EXPECT_TRUE(errors.shown.empty()) << "no box inside a paint";

    QCoreApplication::processEvents();
    EXPECT_EQ(errors.Texts(), std::vector<QString>{QStringLiteral("Cannot draw.")});

    chart.OnBeforeDrawAxes = nullptr;
    chart.RequestRepaint();
    chart.repaint();
    QCoreApplication::processEvents();
    EXPECT_EQ(errors.shown.size(), 1u);
}

class ChartMouseFailure : public app_testing::FormFixture {};

TEST_F(ChartMouseFailure, AFailingHandlerShowsItsBoxAtOnce)
{
    TChart& chart = *form->Chart1;
    chart.OnMouseDown = [](TCustomChart&, TMouseButton, TShiftState, int, int) {
        throw ChartException(std::string("Cannot press"));
    };
    QTest::mousePress(&chart, Qt::LeftButton, {}, QPoint(100, 100));
    EXPECT_EQ(errors.Texts(), std::vector<QString>{QStringLiteral("Cannot press.")}) << "outside a paint: no waiting";
    QTest::mouseRelease(&chart, Qt::LeftButton, {}, QPoint(100, 100));
}

TEST(MessageErrorBox, IsACriticalBoxInTheWindowsFace)
{
    app_testing::ScriptedRunLoop runLoop;
    TForm1 form(runLoop); // the real box
    form.Edit1->setText(QStringLiteral("x"));
    // The box is modal: it is looked at and closed from inside its own loop.
    QString seen;
    QTimer::singleShot(0, [&] {
        auto* const box = form.findChild<QMessageBox*>(QStringLiteral("ErrorBox"));
        ASSERT_NE(box, nullptr);
        seen = box->windowTitle() + u'|' + box->text() + u'|' + QFontInfo(box->font()).family();
        EXPECT_EQ(box->icon(), QMessageBox::Critical);
        box->accept();
    });
    app_testing::Click(form.Button1);
    EXPECT_EQ(seen.toStdString(), "app_tests|'x' is not a valid floating point value.|"
                                      + QFontInfo(form.font()).family().toStdString());
}
