#include "app/WindowDescriptions.h"

#include "app/ImageControl.h"
#include "app/Unit1.h"
#include "chart/qt/Chart.h"
#include "description/ChartDescription.h"
#include "description/EquationsDescription.h"
#include "description/FigureDescription.h"
#include "embedded/qt/OleContainer.h"
#include "model/AngleConversion.h"
#include "platform/qt/QtText.h"

#include <QLabel>
#include <QLineEdit>

#include <algorithm>
#include <exception>

namespace {

// A field is read by the name of the label beside it, which also becomes its
// buddy (the labels have no mnemonic, so this makes no shortcut).
void NameAfterLabel(QLineEdit& field, QLabel& label)
{
    label.setBuddy(&field);
    field.setAccessibleName(label.accessibleName().isEmpty() ? label.text() : label.accessibleName());
}

// The chart's name: the lines of its title, joined by spaces.
QString TitleName(const std::vector<std::string>& lines)
{
    QStringList names;
    for (const std::string& line : lines)
        names.append(platform::qt::ToQString(line));
    return names.join(u' ');
}

} // namespace

WindowDescriptions::WindowDescriptions(TForm1& form)
    : form_(form)
{
    NameAfterLabel(*form_.Edit1, *form_.Label1);
    NameAfterLabel(*form_.Edit2, *form_.Label2);
    NameAfterLabel(*form_.Edit3, *form_.Label3);

    form_.Chart1->setAccessibleName(TitleName(form_.Chart1->Title().Text()));
    form_.Chart1->Describe = [this] { return ChartText(); };
    form_.Chart1->UpdateDescription();

    form_.Image1->setAccessibleName(QString::fromUtf8(description::FigureName));
    form_.Image1->setAccessibleDescription(QString::fromStdString(description::DescribeEmptyFigure()));

    form_.tlumene->setAccessibleName(QString::fromUtf8(description::EquationsName));
    form_.tlumene->setAccessibleDescription(QString::fromStdString(description::DescribeEquations()));
}

WindowDescriptions::~WindowDescriptions()
{
    form_.Chart1->Describe = nullptr;
}

description::NumberStyle WindowDescriptions::Style() const
{
    return {QString(form_.DecimalSeparator()).toStdString()};
}

// The run that goes on is the one of the current slot, unless "Stop" has
// already ended every run.
QString WindowDescriptions::ChartText() const
{
    const RunState& run = form_.Run();
    const int running = form_.RunDepth() > 0 && !run.StopFlag ? run.SeriesIndex : -1;
    const description::ChartView view = runchart::ViewOfRunChart(*form_.Chart1, inputs_, running);
    return QString::fromStdString(description::DescribeChart(view, Style()));
}

void WindowDescriptions::RunStarted(int seriesIndex)
{
    const auto slot = static_cast<std::size_t>(seriesIndex);
    inputs_.resize(std::max(inputs_.size(), slot + 1));
    inputs_[slot].reset();
    // The run's first frame is told at once.
    sleptSinceFigure_ = FigureInterval;
}

void WindowDescriptions::InputsRead(int seriesIndex, const model::RunInputs& inputs)
{
    inputs_.at(static_cast<std::size_t>(seriesIndex)) = inputs;
    form_.Chart1->UpdateDescription();
}

void WindowDescriptions::RunEnded() noexcept
{
    try {
        TellFigure();
        form_.Chart1->UpdateDescription();
    } catch (const std::exception& failure) {
        qWarning("The window's description could not be made: %s", failure.what());
    }
}

void WindowDescriptions::Cleared()
{
    inputs_.clear();
    form_.Chart1->UpdateDescription();
}

void WindowDescriptions::FrameDrawn(double fi, int barLength)
{
    frame_ = Frame{fi, barLength};
    if (sleptSinceFigure_ >= FigureInterval) {
        sleptSinceFigure_ = 0;
        TellFigure();
    }
}

void WindowDescriptions::Slept(int milliseconds)
{
    sleptSinceFigure_ = std::min(FigureInterval, sleptSinceFigure_ + std::max(0, milliseconds));
}

void WindowDescriptions::LocaleChanged()
{
    TellFigure();
    form_.Chart1->UpdateDescription();
}

void WindowDescriptions::TellFigure()
{
    if (!frame_)
        return;
    double degrees = 0.0;
    try {
        degrees = model::ChartDegrees(frame_->fi);
    } catch (const std::exception&) {
        // An angle beyond any double in degrees: the figure keeps what it said.
        return;
    }
    // A changed description is announced by Qt; the same one is not.
    form_.Image1->setAccessibleDescription(
        QString::fromStdString(description::DescribeFigure(degrees, frame_->barLength, Style())));
}
