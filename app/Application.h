#pragma once

#include "app/AccessibleRoles.h"

#include <QApplication>
#include <QString>

#include <functional>

// The program's application object. Every event handler of the main window
// shows its own failures; this catches what leaves any other event handler
// (a control's paint or mouse handling, say), hands the message to the
// failure report and lets the event loop go on, since no exception may cross
// Qt's event loop.
class KyvadloApplication final : public QApplication {
    Q_OBJECT

public:
    using FailureReport = std::function<void(const QString& message)>;

    KyvadloApplication(int& argc, char** argv);

    // Without a report, failures are written to the log.
    void SetFailureReport(FailureReport report) { failureReport_ = std::move(report); }

    bool notify(QObject* receiver, QEvent* event) override;

private:
    void Report(const QString& message) const;

    FailureReport failureReport_;
    // For every control made while the application lives.
    AccessibleRoles accessibleRoles_;
};
