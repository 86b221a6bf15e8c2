#pragma once

#include "app/ErrorBox.h"
#include "app/Unit1.h"
#include "platform/qt/RunLoop.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QPushButton>
#include <QCoreApplication>
#include <QLocale>
#include <QString>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <vector>

namespace app_testing {

// A run loop that never waits: it records the sleeps and, at chosen dispatch
// steps, does what a user would do between two passes (click, type, close).
// Dispatch steps are counted from 1 across all runs, nested ones included:
// a run's first dispatch is the one after its first frame, then one per pass.
class ScriptedRunLoop final : public platform::RunLoop {
public:
    // Guards against a script that never stops a run.
    static constexpr int DispatchLimit = 200000;

    void Sleep(int milliseconds) override { sleeps.push_back(milliseconds); }

    void DispatchPending() override
    {
        ++dispatches;
        if (deliverQtEvents)
            QCoreApplication::processEvents();
        if (const auto action = actions_.find(dispatches); action != actions_.end())
            action->second();
        if (everyDispatch)
            everyDispatch(dispatches);
        if (dispatches == DispatchLimit) {
            ADD_FAILURE() << "a run did not end within " << DispatchLimit << " dispatch steps";
            if (stopEverything)
                stopEverything();
        }
    }

    // Runs the action inside the given dispatch step.
    void At(int dispatch, std::function<void()> action) { actions_[dispatch] = std::move(action); }

    std::vector<int> sleeps;
    int dispatches = 0;
    // Deliver Qt's pending events too (repaints), as the real loop does.
    bool deliverQtEvents = false;
    // Called in every dispatch step with its number, after the scripted action.
    std::function<void(int dispatch)> everyDispatch;
    // What ends every run when the limit is reached.
    std::function<void()> stopEverything;

private:
    std::map<int, std::function<void()>> actions_;
};

// An error box that remembers instead of showing.
class RecordingErrorBox final : public ErrorBox {
public:
    struct Shown {
        QString caption;
        QString text;
    };
    std::vector<Shown> shown;
    // Called while the "box" is open, as a user would act before closing it.
    std::function<void()> whileOpen;

    std::vector<QString> Texts() const
    {
        std::vector<QString> texts;
        for (const Shown& box : shown)
            texts.push_back(box.text);
        return texts;
    }

protected:
    void Present(const QString& caption, const QString& text) override
    {
        shown.push_back({caption, text});
        if (whileOpen)
            whileOpen();
    }
};

// A mouse click as the user makes it: nothing happens on a disabled button.
inline void Click(QAbstractButton* button)
{
    QTest::mouseClick(button, Qt::LeftButton);
}

// The main window with a scripted run loop and a recording error box, shown
// on the offscreen screen, with a locale whose separator the test chooses.
class FormFixture : public ::testing::Test {
protected:
    void SetUp() override { CreateForm(QLocale::c()); }

    void CreateForm(const QLocale& locale)
    {
        form.reset();
        systemLocale = locale;
        form = std::make_unique<TForm1>(runLoop, &errors, [this] { return systemLocale; });
        runLoop.stopEverything = [this] { form->Button2Click(form->Button2); };
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    }

    // The dispatch step of the given pass (from 1) of a run that is the only
    // one so far and nests nothing.
    static constexpr int PassDispatch(int pass) { return pass + 1; }

    // Starts a run that "Stop" ends in the dispatch step of the given pass.
    void RunPasses(int passes)
    {
        const int first = runLoop.dispatches;
        runLoop.At(first + PassDispatch(passes), [this] { Click(form->Button2); });
        Click(form->Button1);
    }

    ScriptedRunLoop runLoop;
    RecordingErrorBox errors;
    QLocale systemLocale = QLocale::c();
    std::unique_ptr<TForm1> form;
};

// The two runs of the window's picture in the README: the default run stopped
// in its 350th pass, then a = 0.5 m and 12 degrees stopped in the 250th.
// Qt's events are delivered in the dispatch steps, so the window paints as it
// does in the program.
inline void MakeTheScreenshotRuns(ScriptedRunLoop& runLoop, TForm1& form)
{
    runLoop.deliverQtEvents = true;
    runLoop.At(runLoop.dispatches + 351, [&form] { Click(form.Button2); });
    Click(form.Button1);
    form.Edit1->setText(QStringLiteral("0.5"));
    form.Edit2->setText(QStringLiteral("12"));
    runLoop.At(runLoop.dispatches + 251, [&form] { Click(form.Button2); });
    Click(form.Button1);
}

} // namespace app_testing
