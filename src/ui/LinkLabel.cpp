#include "ui/LinkLabel.h"

#include "common/UserDialogs.h"
#include "common/WebSite.h"
#include "excel/ColourValue.h"

#include <QMouseEvent>

LinkLabel::LinkLabel(const QString& caption, QString address, QColor designColour, QWidget* parent)
    : QLabel(parent), address_(std::move(address)), designColour_(designColour)
{
    // An address is shown as it is, never taken for markup or an automatic link.
    setTextFormat(Qt::PlainText);
    setText(caption);
    // Move events arrive without a pressed button only with tracking on.
    setMouseTracking(true);
    showDesign();
}

void LinkLabel::showHover()
{
    applyLook(colourFromBgr(0xFF0000), true);
}

void LinkLabel::showDesign()
{
    applyLook(designColour_, false);
}

void LinkLabel::openPage() const
{
    userDialogs().openUrl(address_);
}

void LinkLabel::applyLook(const QColor& colour, bool underline)
{
    QFont look = font();
    look.setBold(true);
    look.setUnderline(underline);
    setFont(look);

    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, colour);
    setPalette(colours);
}

void LinkLabel::mouseMoveEvent(QMouseEvent* event)
{
    QLabel::mouseMoveEvent(event);
    showHover();
}

void LinkLabel::leaveEvent(QEvent* event)
{
    QLabel::leaveEvent(event);
    pressed_ = false;
    showDesign();
}

void LinkLabel::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        pressed_ = true;
        event->accept();
        return;
    }
    QLabel::mousePressEvent(event);
}

// A click is a left press and release both on the link, as with a button.
void LinkLabel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        const bool click = pressed_ && rect().contains(event->position().toPoint());
        pressed_ = false;
        event->accept();
        if (click) {
            openPage();
            emit clicked();
        }
        return;
    }
    QLabel::mouseReleaseEvent(event);
}

QColor colourFromBgr(quint32 value)
{
    return QColor::fromRgb(rgbFromAutomationColour(value));
}

LinkLabel* createSiteStatusLink(QWidget* parent)
{
    auto* link = new LinkLabel(QStringLiteral(" ") + WebSite::homePageAddress(), WebSite::homePageAddress(),
                               linkBlack, parent);
    link->setObjectName(QStringLiteral("rzfldsts2"));
    return link;
}
