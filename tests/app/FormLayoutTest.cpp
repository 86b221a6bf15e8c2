#include "AppTestSupport.h"

#include "app/ImageControl.h"
#include "app/WindowFonts.h"
#include "chart/qt/Chart.h"
#include "embedded/qt/OleContainer.h"

#include <QApplication>
#include <QCheckBox>
#include <QFontInfo>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using app_testing::FormFixture;

namespace {

struct Placement {
    const char* name;
    const char* parent;
    QRect geometry;
};

// Left, top, width, height in the parent's client area.
const Placement layoutTable[] = {
    {"Panel1", "Form1", {0, 0, 1092, 692}},
    {"Chart1", "Panel1", {593, 1, 498, 690}},
    {"Panel2", "Panel1", {1, 1, 592, 690}},
    {"Image1", "Panel2", {208, 16, 377, 673}},
    {"GroupBox1", "Panel2", {8, 16, 193, 681}},
    {"Label1", "GroupBox1", {24, 40, 52, 13}},
    {"Label3", "GroupBox1", {24, 80, 43, 13}},
    {"Label2", "GroupBox1", {24, 144, 12, 13}},
    {"Edit1", "GroupBox1", {112, 40, 57, 21}},
    {"Edit3", "GroupBox1", {112, 72, 57, 21}},
    {"Edit2", "GroupBox1", {112, 136, 57, 21}},
    {"Button1", "GroupBox1", {16, 256, 75, 25}},
    {"Button2", "GroupBox1", {16, 288, 75, 25}},
    {"Button3", "GroupBox1", {16, 336, 75, 25}},
    {"CheckBox1", "GroupBox1", {120, 256, 57, 17}},
    {"tlumene", "GroupBox1", {16, 376, 161, 169}},
};

} // namespace

class FormLayout : public FormFixture {
protected:
    QWidget* Control(const char* name) const
    {
        return form->findChild<QWidget*>(QString::fromLatin1(name));
    }
};

// Where it opens on screens of several sizes: WindowPlacementTest.cpp.
TEST_F(FormLayout, WindowHasItsClientSizeAndCaption)
{
    EXPECT_EQ(form->size(), QSize(1092, 692)) << "client area";
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Fyzické kyvadlo"));
}

TEST_F(FormLayout, EveryControlHasItsParentAndGeometry)
{
    for (const Placement& placement : layoutTable) {
        SCOPED_TRACE(placement.name);
        QWidget* const control = Control(placement.name);
        ASSERT_NE(control, nullptr);
        ASSERT_NE(control->parentWidget(), nullptr);
        EXPECT_EQ(control->parentWidget()->objectName(), QString::fromLatin1(placement.parent));
        EXPECT_TRUE(control->isVisibleTo(form.get()));
        if (const auto* label = qobject_cast<const QLabel*>(control)) {
            // Labels grow to their text where the stand-in face is wider.
            EXPECT_EQ(label->pos(), placement.geometry.topLeft());
            EXPECT_GE(label->width(), placement.geometry.width());
            EXPECT_GE(label->height(), placement.geometry.height());
            EXPECT_LE(QFontMetrics(label->font()).horizontalAdvance(label->text()), label->width())
                << "the whole text shows";
            continue;
        }
        EXPECT_EQ(control->geometry(), placement.geometry);
    }
    // The chart occupies x = 593 to 1090 of Panel1, inside its one-pixel bevel.
    EXPECT_EQ(form->Chart1->geometry().right(), 1090);
}

TEST_F(FormLayout, StartsWithOnlyTheEquationsPanelDisabledAndNoPicture)
{
    for (QWidget* control : form->GroupBox1->findChildren<QWidget*>()) {
        if (control != form->tlumene) {
            EXPECT_TRUE(control->isEnabled()) << control->objectName().toStdString();
        }
    }
    EXPECT_FALSE(form->tlumene->isEnabled());
    EXPECT_TRUE(form->tlumene->HasPicture()) << "the equations";
    EXPECT_FALSE(form->CheckBox1->isChecked());
    EXPECT_FALSE(form->Image1->HasBitmap()) << "no picture before the first Start";
    EXPECT_EQ(form->Run().SeriesIndex, -1) << "FormCreate has run";
    EXPECT_EQ(form->Chart1->NumberOfSeries(), 0);
}

TEST_F(FormLayout, FontsAreElevenPixelsWithPhiBesideTheAngle)
{
    const QFont windowFont = form->font();
    EXPECT_EQ(windowFont.pixelSize(), window_fonts::PixelHeight);
    const QString face = QFontInfo(windowFont).family();
    EXPECT_TRUE(face == "MS Sans Serif" || face == "Microsoft Sans Serif" || face == "Liberation Sans"
                || face == "Arial" || face == "DejaVu Sans")
        << face.toStdString();
    EXPECT_EQ(form->Edit1->font().pixelSize(), window_fonts::PixelHeight) << "inherited";

    const QString phi = form->Label2->text();
    if (phi == QStringLiteral("j0")) {
        EXPECT_EQ(form->Label2->font().family(), QStringLiteral("Symbol"));
    } else {
        ASSERT_EQ(phi.size(), 2);
        EXPECT_TRUE(phi[0] == QChar(0x03D5) || phi[0] == QChar(0x03C6)) << phi.toStdString();
        EXPECT_EQ(phi[1], u'0');
        EXPECT_TRUE(QFontMetrics(form->Label2->font()).inFont(phi[0])) << "drawable in its font";
    }
    EXPECT_EQ(form->Label2->font().pixelSize(), window_fonts::PixelHeight);
}

TEST_F(FormLayout, TabGoesThroughTheGroupWithTheFieldForJLast)
{
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    EXPECT_EQ(QApplication::focusWidget(), form->Edit1) << "first focus";

    const QWidget* const expected[] = {form->Edit2, form->Button1, form->Button2,
                                       form->Button3, form->CheckBox1, form->Edit3};
    for (const QWidget* next : expected) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), next)
            << "expected " << next->objectName().toStdString() << ", got "
            << (QApplication::focusWidget() ? QApplication::focusWidget()->objectName().toStdString()
                                            : std::string("nothing"));
    }
}

TEST_F(FormLayout, ResizingGivesTheChartWhatTheInputPanelDoesNotKeep)
{
    const QRect groupBefore = form->GroupBox1->geometry();
    const QRect imageBefore = form->Image1->geometry();

    form->resize(1300, 800);
    EXPECT_EQ(form->Panel1->geometry(), QRect(0, 0, 1300, 800));
    EXPECT_EQ(form->Panel2->geometry(), QRect(1, 1, 592, 798));
    EXPECT_EQ(form->Chart1->geometry(), QRect(593, 1, 706, 798));

    form->resize(900, 600);
    EXPECT_EQ(form->Panel2->geometry(), QRect(1, 1, 592, 598));
    EXPECT_EQ(form->Chart1->geometry(), QRect(593, 1, 306, 598));

    EXPECT_EQ(form->GroupBox1->geometry(), groupBefore);
    EXPECT_EQ(form->Image1->geometry(), imageBefore);
}

TEST_F(FormLayout, SeparatorsOfFieldsDefaultsAndChartFollowTheSystemLocale)
{
    const auto texts = [this] {
        return std::vector<QString>{form->Edit1->text(), form->Edit2->text(), form->Edit3->text()};
    };
    EXPECT_EQ(form->DecimalSeparator(), u'.');
    EXPECT_EQ(form->Chart1->NumberSeparators().decimal, ".");
    EXPECT_EQ(texts(), (std::vector<QString>{"0.8", "10", "0.05"}));

    // A default the user has replaced is the user's text.
    form->Edit3->setText(QStringLiteral("0.1"));
    systemLocale = QLocale(QLocale::Czech, QLocale::Czechia);
    EXPECT_EQ(form->DecimalSeparator(), u'.') << "read only at start and on a change";
    QEvent change(QEvent::LocaleChange);
    QCoreApplication::sendEvent(form.get(), &change);
    EXPECT_EQ(form->DecimalSeparator(), u',');
    EXPECT_EQ(form->Chart1->NumberSeparators().decimal, ",");
    EXPECT_EQ(form->Chart1->NumberSeparators().thousands, "\u00A0");
    EXPECT_EQ(texts(), (std::vector<QString>{"0,8", "10", "0.1"}));

    CreateForm(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(form->DecimalSeparator(), u',') << "read at start";
    EXPECT_EQ(form->Chart1->NumberSeparators().thousands, ".");
    EXPECT_EQ(texts(), (std::vector<QString>{"0,8", "10", "0,05"}));
}
