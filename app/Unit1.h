#pragma once

#include "app/ErrorBox.h"
#include "app/RunState.h"
#include "model/PendulumState.h"
#include "model/RunInputs.h"
#include "platform/ComponentOwner.h"

#include <QChar>
#include <QLocale>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>

class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class TChart;
class TImage;
class TOleContainer;
class WindowDescriptions;

namespace platform {
class RunLoop;
}

// The main window: the input group with the three number fields, the buttons
// "Start", "Stop" and "Clear" and the check box "pomalu", the image with the
// swinging pendulum, the chart of the runs and the panel with the equations.
//
// The whole simulation runs inside the click handler of "Start" on the one
// user-interface thread: each pass advances the model, adds a point to the
// run's series, redraws the figure, sleeps and then lets the run loop dispatch
// what is pending, so every other handler (and a further "Start") runs nested
// inside it. All handlers and all nested runs share one run state and one
// pendulum model.
class TForm1 : public QWidget, public platform::ComponentOwner {
    Q_OBJECT

public:
    // The system's locale, read at start and again when the system announces a change.
    using LocaleSource = std::function<QLocale()>;

    // runLoop sleeps and dispatches for the runs. errorBox shows failures that
    // leave a handler; null gives the real message box owned by this window.
    // systemLocale gives the decimal separator of the number fields; empty
    // reads QLocale::system().
    explicit TForm1(platform::RunLoop& runLoop, ErrorBox* errorBox = nullptr,
                    LocaleSource systemLocale = {});
    ~TForm1() override;

    // The controls, named as in the layout. Their Qt parents own them.
    QFrame* Panel1 = nullptr;
    TChart* Chart1 = nullptr;
    QFrame* Panel2 = nullptr;
    TImage* Image1 = nullptr;
    QGroupBox* GroupBox1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QLineEdit* Edit2 = nullptr;
    QLineEdit* Edit3 = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
    QPushButton* Button3 = nullptr;
    QCheckBox* CheckBox1 = nullptr;
    TOleContainer* tlumene = nullptr;

    // The handlers. The controls call them through the error box, so a
    // failure ends the handler with the box; called directly they throw.
    // Creation of the window: no series yet.
    void FormCreate(QObject* Sender);
    // "Start": a whole run, until "Stop" or a failure.
    void Button1Click(QObject* Sender);
    // "Stop": ends the runs at the end of their current pass; enables "Clear".
    void Button2Click(QObject* Sender);
    // "Clear": destroys every series of the runs.
    void Button3Click(QObject* Sender);
    // "pomalu": 50 ms more per frame while ticked.
    void CheckBox1Click(QObject* Sender);

    const RunState& Run() const { return run_; }
    const model::PendulumState& Pendulum() const { return pendulum_; }
    QChar DecimalSeparator() const { return decimalSeparator_; }
    // How many runs are going on, nested inside each other.
    int RunDepth() const { return runDepth_; }
    // Whether the window was closed during a run: the program ends when the
    // outermost run has returned.
    bool QuitPending() const { return quitPending_; }

    // Shows a failure in the window's error box.
    void ShowFailure(const QString& message);

protected:
    // Closing asks the program to end and leaves the window as it is.
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    // The first show places the window on its screen.
    void showEvent(QShowEvent* event) override;

private:
    // The layout: every control with its parent, geometry, texts and fonts.
    void CreateControls();
    void PlaceOnScreen();
    void CreateInputGroup();
    void ConfigureChart();
    void SetTabOrder();
    void ConnectHandlers();

    // Runs a handler for a control: failures go to the error box; once no run
    // is left, a close request made during the runs ends the program.
    template <typename Handler>
    void HandleEvent(Handler&& handler);

    void EndProgram();
    void ReportPaintFailure(const QString& message);
    void ReadSystemLocale();
    // Rewrites the fields still holding their default texts with the current
    // decimal separator.
    void WriteDefaultsWithSeparator(QChar previousSeparator);
    double ReadNumber(const QLineEdit& edit) const;

    // The run's parts.
    model::RunInputs ReadStartValues();
    void RunPasses();
    // Fills the area of the image (logical pixels) with white.
    void ClearImage(const QRect& area);
    // The whole image, whose bitmap is made if it is not there yet.
    QRect WholeImage();
    // The pendulum at its pivot in the image, as the model has it now, on
    // the cleared image; kept as the last frame.
    void DrawFrame();
    // Draws the last frame into the cleared image again, without asking for
    // a repaint.
    void DrawLastFrame();

    platform::RunLoop& runLoop_;
    std::unique_ptr<ErrorBox> ownErrorBox_;
    ErrorBox& errorBox_;
    LocaleSource systemLocale_;
    QChar decimalSeparator_ = u'.';

    RunState run_;
    model::PendulumState pendulum_;
    // What the last frame was drawn from. The image draws it again when it
    // is made anew at another device pixel ratio; the model may have changed
    // since (a Start that failed after storing a field), the picture has not.
    struct FrameInputs {
        int X = 0;
        int Y = 0;
        int L = 0;
        double Fi = 0.0;
    };
    std::optional<FrameInputs> lastFrame_;
    // The pixels a frame may set in the image.
    static QRect FramePixels(const FrameInputs& frame);
    // What the window tells a screen reader.
    std::unique_ptr<WindowDescriptions> descriptions_;
    int runDepth_ = 0;
    bool quitPending_ = false;
    bool paintFailureQueued_ = false;
    bool placed_ = false;
};
