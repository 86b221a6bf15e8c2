#include "app/Unit1.h"

#include "app/ImageControl.h"
#include "app/WindowDescriptions.h"
#include "chart/qt/Chart.h"
#include "chart/qt/LocaleSeparators.h"
#include "platform/NumberConversion.h"
#include "platform/qt/QtText.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QLineEdit>
#include <QMetaObject>
#include <QPushButton>

#include <exception>
#include <utility>

TForm1::TForm1(platform::RunLoop& runLoop, ErrorBox* errorBox, LocaleSource systemLocale)
    : runLoop_(runLoop)
    , ownErrorBox_(errorBox == nullptr ? std::make_unique<MessageErrorBox>(this) : nullptr)
    , errorBox_(errorBox == nullptr ? *ownErrorBox_ : *errorBox)
    , systemLocale_(systemLocale ? std::move(systemLocale) : LocaleSource([] { return QLocale::system(); }))
{
    CreateControls();
    ReadSystemLocale();
    descriptions_ = std::make_unique<WindowDescriptions>(*this);
    ConnectHandlers();
    HandleEvent([this] { FormCreate(this); });
}

// The window owns the runs' series: those still there go before the window's
// controls, each leaving the chart, which is still alive.
TForm1::~TForm1() = default;

template <typename Handler>
void TForm1::HandleEvent(Handler&& handler)
{
    RunHandler(errorBox_, std::forward<Handler>(handler));
    if (runDepth_ == 0 && quitPending_) {
        quitPending_ = false;
        EndProgram();
    }
}

void TForm1::ConnectHandlers()
{
    connect(Button1, &QPushButton::clicked, this, [this] { HandleEvent([this] { Button1Click(Button1); }); });
    connect(Button2, &QPushButton::clicked, this, [this] { HandleEvent([this] { Button2Click(Button2); }); });
    connect(Button3, &QPushButton::clicked, this, [this] { HandleEvent([this] { Button3Click(Button3); }); });
    connect(CheckBox1, &QCheckBox::toggled, this,
            [this] { HandleEvent([this] { CheckBox1Click(CheckBox1); }); });
    // The image made anew at another device pixel ratio shows the last frame again.
    Image1->OnRatioChange = [this] { DrawLastFrame(); };
    Chart1->OnPaintError = [this](const std::exception& failure) { ReportPaintFailure(FailureMessage(failure)); };
    // A failure in the chart's mouse handling happens outside any paint: the
    // box can open at once.
    Chart1->OnMouseError = [this](const std::exception& failure) { ShowFailure(FailureMessage(failure)); };
}

// A box cannot open inside a paint, so it opens right after it. A picture that
// cannot be painted fails again on every repaint: one box at a time is enough.
void TForm1::ReportPaintFailure(const QString& message)
{
    if (paintFailureQueued_)
        return;
    paintFailureQueued_ = true;
    QMetaObject::invokeMethod(
        this,
        [this, message] {
            ShowFailure(message);
            paintFailureQueued_ = false;
        },
        Qt::QueuedConnection);
}

void TForm1::ShowFailure(const QString& message)
{
    errorBox_.ShowFailure(message);
}

// Ending the event loop while a run is going on would also end at once every
// modal loop started afterwards, the error box's included, so the request
// waits until the outermost run has returned. Either way the window stays and
// the run goes on.
void TForm1::closeEvent(QCloseEvent* event)
{
    event->ignore();
    if (runDepth_ > 0)
        quitPending_ = true;
    else
        EndProgram();
}

// Ends the application's event loop. QCoreApplication::quit would first ask
// every window to close, which this one refuses.
void TForm1::EndProgram()
{
    QCoreApplication::exit(0);
}

void TForm1::showEvent(QShowEvent* event)
{
    if (!placed_) {
        placed_ = true;
        PlaceOnScreen();
    }
    QWidget::showEvent(event);
}

void TForm1::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LocaleChange) {
        ReadSystemLocale();
        if (descriptions_)
            descriptions_->LocaleChanged();
    }
    QWidget::changeEvent(event);
}

// The edit fields, their default texts and the chart's axis labels follow
// the locale's separators.
void TForm1::ReadSystemLocale()
{
    const QLocale locale = systemLocale_();
    const QChar previousSeparator = decimalSeparator_;
    decimalSeparator_ = platform::qt::ToQString(platform::qt::DecimalSeparatorOf(locale)).front();
    WriteDefaultsWithSeparator(previousSeparator);
    Chart1->SetNumberSeparators(NumberSeparatorsOf(locale));
}

double TForm1::ReadNumber(const QLineEdit& edit) const
{
    return platform::TextToDouble(platform::qt::ToUtf8(edit.text()), platform::qt::ToUtf8(decimalSeparator_));
}
