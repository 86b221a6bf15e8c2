// The layout of the main window: every control with its parent, position,
// size, texts and fonts, the chart's settings, the tab order. Positions and
// sizes are pixels of the parent's client area.
#include "app/ImageControl.h"
#include "app/Unit1.h"
#include "app/WindowFonts.h"
#include "app/WindowPlacement.h"
#include "chart/qt/Chart.h"
#include "embedded/EquationsPicture.h"
#include "embedded/qt/OleContainer.h"
#include "runchart/RunChart.h"

#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

#include <algorithm>
#include <utility>

namespace {

constexpr QPoint WindowPosition(565, 218);
constexpr QSize ClientSize(1092, 692);
// Panel2 keeps this width; the chart takes what is left.
constexpr int InputPanelWidth = 592;

// The fields' texts at start, as the layout stores them, with "." where the
// number has its decimal separator.
constexpr QStringView DefaultLength = u"0.8";
constexpr QStringView DefaultAngle = u"10";
constexpr QStringView DefaultInertia = u"0.05";

// A default text written with the given decimal separator.
QString WithSeparator(QStringView storedText, QChar decimalSeparator)
{
    return storedText.toString().replace(u'.', decimalSeparator);
}

// A panel with a raised bevel one pixel wide.
QFrame* CreatePanel(QWidget* parent, const QString& name)
{
    auto* panel = new QFrame(parent);
    panel->setObjectName(name);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setLineWidth(1);
    return panel;
}

template <typename Control>
Control* Place(Control* control, const QString& name, const QRect& geometry)
{
    control->setObjectName(name);
    control->setGeometry(geometry);
    return control;
}

// Labels size themselves to their text. The layout's sizes are those of its
// own face; a wider stand-in face widens the label instead of cutting the text.
void FitToText(QLabel& label)
{
    const QSize needed = label.sizeHint();
    label.resize(std::max(label.width(), needed.width()), std::max(label.height(), needed.height()));
}

} // namespace

void TForm1::CreateControls()
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Fyzické kyvadlo"));
    setFont(window_fonts::WindowFont());
    resize(ClientSize);

    // Panel1 fills the window. Its caption, "Panel1", is covered by its
    // children and never shows, so it is not drawn at all.
    Panel1 = CreatePanel(this, QStringLiteral("Panel1"));
    auto* windowLayout = new QHBoxLayout(this);
    windowLayout->setContentsMargins(0, 0, 0, 0);
    windowLayout->addWidget(Panel1);

    Chart1 = new TChart(Panel1);
    Chart1->setObjectName(QStringLiteral("Chart1"));
    ConfigureChart();

    Panel2 = CreatePanel(Panel1, QStringLiteral("Panel2"));
    Panel2->setFixedWidth(InputPanelWidth);

    // The frame keeps both children inside its one-pixel bevel.
    auto* panelLayout = new QHBoxLayout(Panel1);
    panelLayout->setContentsMargins(0, 0, 0, 0);
    panelLayout->setSpacing(0);
    panelLayout->addWidget(Panel2);
    panelLayout->addWidget(Chart1, 1);

    Image1 = Place(new TImage(Panel2), QStringLiteral("Image1"), QRect(208, 16, 377, 673));
    CreateInputGroup();
    SetTabOrder();

    windowLayout->activate();
    panelLayout->activate();
    move(WindowPosition);
}

// The designed position, moved as little as needed for the whole window to
// lie on the screen it opens on. Called when the window is first shown: its
// platform window exists then, and with it the frame as far as the platform
// knows it before the window is on the screen. A window manager that adds
// its frame only afterwards keeps the window on the screen itself.
void TForm1::PlaceOnScreen()
{
    if (const QScreen* const opensOn = screen())
        move(PlacedPosition(WindowPosition, frameGeometry().size(), opensOn->availableGeometry()));
}

void TForm1::CreateInputGroup()
{
    // The group reaches below Panel2, which clips its lower edge.
    GroupBox1 = Place(new QGroupBox(QStringLiteral("Setup"), Panel2), QStringLiteral("GroupBox1"),
                      QRect(8, 16, 193, 681));
    QWidget* const group = GroupBox1;

    Label1 = Place(new QLabel(QStringLiteral("délka a [m]"), group), QStringLiteral("Label1"),
                   QRect(24, 40, 52, 13));
    Label3 = Place(new QLabel(QStringLiteral("J [kg.m2]"), group), QStringLiteral("Label3"),
                   QRect(24, 80, 43, 13));
    const window_fonts::LabelFace phi = window_fonts::PhiLabel(font());
    Label2 = Place(new QLabel(phi.text, group), QStringLiteral("Label2"), QRect(24, 144, 12, 13));
    Label2->setFont(phi.font);
    Label2->setAccessibleName(phi.spoken);
    for (QLabel* label : {Label1, Label2, Label3})
        FitToText(*label);

    Edit1 = Place(new QLineEdit(DefaultLength.toString(), group), QStringLiteral("Edit1"),
                  QRect(112, 40, 57, 21));
    Edit2 = Place(new QLineEdit(DefaultAngle.toString(), group), QStringLiteral("Edit2"),
                  QRect(112, 136, 57, 21));
    Button1 = Place(new QPushButton(QStringLiteral("Start"), group), QStringLiteral("Button1"),
                    QRect(16, 256, 75, 25));
    Button2 = Place(new QPushButton(QStringLiteral("Stop"), group), QStringLiteral("Button2"),
                    QRect(16, 288, 75, 25));
    Button3 = Place(new QPushButton(QStringLiteral("Clear"), group), QStringLiteral("Button3"),
                    QRect(16, 336, 75, 25));
    CheckBox1 = Place(new QCheckBox(QStringLiteral("pomalu"), group), QStringLiteral("CheckBox1"),
                      QRect(120, 256, 57, 17));

    // The disabled panel with the picture of the equations; its caption
    // "tlumene" is never drawn.
    tlumene = Place(new TOleContainer(group), QStringLiteral("tlumene"), QRect(16, 376, 161, 169));
    tlumene->SetColor(clWhite);
    tlumene->SetPicture(EquationsPicture());

    Edit3 = Place(new QLineEdit(DefaultInertia.toString(), group), QStringLiteral("Edit3"),
                  QRect(112, 72, 57, 21));
}

// The layout stores the texts with ".", which a locale with another decimal
// separator would refuse on the first "Start". A field that still holds its
// default as written for the previous separator takes the current one; what
// the user typed stays as it is.
void TForm1::WriteDefaultsWithSeparator(QChar previousSeparator)
{
    const std::pair<QLineEdit*, QStringView> defaults[] = {
        {Edit1, DefaultLength}, {Edit2, DefaultAngle}, {Edit3, DefaultInertia}};
    for (const auto& [edit, text] : defaults) {
        if (edit->text() == WithSeparator(text, previousSeparator))
            edit->setText(WithSeparator(text, decimalSeparator_));
    }
}

void TForm1::ConfigureChart()
{
    runchart::ConfigureRunChart(*Chart1);
}

// Within the group: Edit1, Edit2, "Start", "Stop", "Clear", "pomalu", the
// equations panel (disabled, so Tab passes it by), and last the field for J,
// although it sits second. Edit1 has the focus when the window opens.
void TForm1::SetTabOrder()
{
    QWidget* const order[] = {Edit1, Edit2, Button1, Button2, Button3, CheckBox1, tlumene, Edit3};
    for (std::size_t i = 1; i < std::size(order); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
    Edit1->setFocus();
}
