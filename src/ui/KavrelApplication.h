#pragma once

#include <QApplication>

#include <exception>

// The application object. An exception that leaves an event handler ends
// that command only: its message is shown in an error box through the
// program's dialogs and the event loop goes on.
class KavrelApplication : public QApplication {
    Q_OBJECT
public:
    KavrelApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;
};

// Shows an exception that ended a command: a KavrelError's or a standard
// exception's message; anything else as an empty message.
void showException(std::exception_ptr error);

// Wraps an event handler so that an exception ends only that command and is
// shown as an error box. Handlers are wrapped where they are connected, so
// that no exception unwinds through the framework's event delivery (which is
// not written for it); notify() above remains the last safety net.
template <typename Handler>
auto guarded(Handler handler)
{
    // The signal's own arguments (a button's checked state) are not needed.
    return [handler](auto&&...) {
        try {
            handler();
        } catch (...) {
            showException(std::current_exception());
        }
    };
}
