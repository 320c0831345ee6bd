#pragma once

#include "ui/LinkLabel.h"

#include <QApplication>
#include <QPalette>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>

// A cell's number as the C locale reads it; NaN when it holds none.
inline double number(const QString& text)
{
    bool ok = false;
    const double value = text.toDouble(&ok);
    return ok ? value : std::nan("");
}

// Runs `action` on the first modal window of type Window once it is on
// screen, from inside its modal loop, so that a test can look at it and close
// it. Never blocks: a window the action leaves open is closed with a failure,
// and if none shows up within five seconds the polling stops with a failure
// (closing whatever modal window there is).
template <class Window>
void onNextModal(std::function<void(Window*)> action)
{
    auto* poll = new QTimer;
    auto tries = std::make_shared<int>(0);
    QObject::connect(poll, &QTimer::timeout, [poll, tries, action] {
        auto* window = qobject_cast<Window*>(QApplication::activeModalWidget());
        if (window && window->isVisible()) {
            poll->stop();
            poll->deleteLater();
            action(window);
            QTimer::singleShot(0, window, [window] {
                if (window->isVisible()) {
                    ADD_FAILURE() << "the modal window was left open";
                    window->close();
                }
            });
            return;
        }
        if (++*tries > 500) {
            poll->stop();
            poll->deleteLater();
            ADD_FAILURE() << "no modal window of the expected kind appeared";
            if (QWidget* other = QApplication::activeModalWidget())
                other->close();
        }
    });
    poll->start(10);
}

// What the title bar of a shown top-level window reads. Qt hands the window
// manager the window's own title, but its X11 and Wayland back ends append
// the application's display name ("About — Kavrel_Spect") once one has been
// set, unless the title already ends with it; a display name never set only
// follows the application name and is not appended.
inline QString titleBarText(const QWidget* window)
{
    const QWindow* handle = window->windowHandle();
    if (handle == nullptr)
        return QStringLiteral("<not shown>");
    const QString title = handle->title();
    const QString name = QCoreApplication::applicationName();
    const QString probe = name + QStringLiteral("-probe");
    QCoreApplication::setApplicationName(probe);
    const bool displayNameSet = QGuiApplication::applicationDisplayName() != probe;
    QCoreApplication::setApplicationName(name);
    const QString displayName = QGuiApplication::applicationDisplayName();
    if (!displayNameSet || title.endsWith(displayName))
        return title.isEmpty() ? name : title;
    return title.isEmpty() ? displayName : title + QString::fromUtf8(" \u2014 ") + displayName;
}

// The real mouse over a widget's centre, and onto a point of another widget.
inline void moveOnto(QWidget* widget)
{
    QTest::mouseMove(widget, widget->rect().center());
}

inline void moveTo(QWidget* widget, QPoint at)
{
    QTest::mouseMove(widget, at);
}

inline void expectDesignLook(const LinkLabel* link, QColor designColour)
{
    SCOPED_TRACE(link->objectName().toStdString());
    EXPECT_TRUE(link->font().bold());
    EXPECT_FALSE(link->font().underline());
    EXPECT_EQ(link->palette().color(QPalette::WindowText), designColour);
}

inline void expectHoverLook(const LinkLabel* link)
{
    SCOPED_TRACE(link->objectName().toStdString());
    EXPECT_TRUE(link->font().bold());
    EXPECT_TRUE(link->font().underline());
    EXPECT_EQ(link->palette().color(QPalette::WindowText), QColor(0, 0, 255));
}
