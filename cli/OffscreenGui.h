#pragma once

#include "platform/qt/QtTextBackend.h"

#include <QGuiApplication>

#include <memory>

namespace cli {

// What the chart needs to draw text: a QGuiApplication and the engine's text
// backend on it, made here on Qt's
// offscreen platform when the process has none, so that a picture needs no
// display. Fonts resolve through the system's font configuration, as in the
// window ("Arial" and "Times New Roman" map to the metric-compatible faces).
// While it lives, Qt's own notices (a missing runtime folder and the like)
// are kept off standard error; only its critical messages pass.
class OffscreenGui {
public:
    OffscreenGui();
    ~OffscreenGui();
    OffscreenGui(const OffscreenGui&) = delete;
    OffscreenGui& operator=(const OffscreenGui&) = delete;

private:
    int argc_ = 3;
    char programName_[12] = "kyvadlo-run";
    char platformOption_[10] = "-platform";
    char platformName_[10] = "offscreen";
    char* argv_[4] = {programName_, platformOption_, platformName_, nullptr};
    QtMessageHandler previousHandler_ = nullptr;
    std::unique_ptr<QGuiApplication> application_;
    // The engine's text backend while the application made here lives.
    std::unique_ptr<platform::qt::EngineTextBackend> text_;
};

} // namespace cli
