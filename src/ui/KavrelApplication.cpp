#include "ui/KavrelApplication.h"

#include "common/KavrelVersion.h"
#include "common/KavrelError.h"
#include "common/UserDialogs.h"

#include <QIcon>

KavrelApplication::KavrelApplication(int& argc, char** argv) : QApplication(argc, argv)
{
    // The application title. No display name is set: Qt's X11 and Wayland
    // back ends would append one to every window's title bar
    // ("About — Kavrel_Spect"); unset, it follows this name for whoever asks.
    setApplicationName(QStringLiteral("Kavrel_Spect"));
    // Wayland compositors find the installed entry, and with it the icon
    // of the task bar, by this name.
    setDesktopFileName(QStringLiteral(KAVREL_APP_ID));
    QIcon icon;
    for (const char* size : {"48", "128", "256"})
        icon.addFile(QStringLiteral(":/icons/kavrel-spect-%1.png").arg(QLatin1String(size)));
    setWindowIcon(icon);
}

bool KavrelApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        showException(std::current_exception());
        return false;
    }
}

void showException(std::exception_ptr error)
{
    try {
        std::rethrow_exception(error);
    } catch (const KavrelError& e) {
        userDialogs().error(e.message());
    } catch (const std::exception& e) {
        userDialogs().error(QString::fromLocal8Bit(e.what()));
    } catch (...) {
        userDialogs().error(QString());
    }
}
