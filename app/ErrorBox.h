#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>

#include <exception>

// Where a failure that leaves an event handler is shown: a modal box with the
// application's title as caption and the failure's message, after which the
// program goes on. Tests put a recorder in place of the real box.
class ErrorBox {
public:
    virtual ~ErrorBox() = default;

    // Shows the box for a failure's message: caption = the application's title
    // (from the executable's path), text = the message with the full stop rule
    // of platform::ErrorBoxText.
    void ShowFailure(const QString& message);

protected:
    // Shows one box and returns when the user has closed it.
    virtual void Present(const QString& caption, const QString& text) = 0;
};

// The real box: critical icon, one OK button, modal, owned by a window.
class MessageErrorBox final : public ErrorBox {
public:
    explicit MessageErrorBox(QWidget* owner);

protected:
    void Present(const QString& caption, const QString& text) override;

private:
    QPointer<QWidget> owner_;
};

// The message a failure shows: the program's own message for its failures,
// the description of any other.
QString FailureMessage(const std::exception& failure);

// Runs an event handler the way the framework runs every handler: a failure
// that leaves it is shown in the error box and goes no further, so that the
// event loop carries on. Nothing the handler did before failing is undone.
template <typename Handler>
void RunHandler(ErrorBox& errorBox, Handler&& handler)
{
    try {
        handler();
    } catch (const std::exception& failure) {
        errorBox.ShowFailure(FailureMessage(failure));
    }
}
