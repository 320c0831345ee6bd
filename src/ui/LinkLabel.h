#pragma once

#include <QColor>
#include <QLabel>
#include <QString>

// A caption that opens a page of the program's web site. Every link of the
// program looks and behaves alike: bold in its design colour; blue, bold and
// underlined once the mouse moves over it; back to its design colour, bold
// only, when the mouse leaves; a click hands its page to the desktop and
// leaves the font alone. The label does all of this itself; `clicked` tells
// anyone else who wants to know. Usable in a form as well as in a status bar.
class LinkLabel : public QLabel {
    Q_OBJECT

public:
    LinkLabel(const QString& caption, QString address, QColor designColour, QWidget* parent = nullptr);

    const QString& address() const { return address_; }
    QColor designColour() const { return designColour_; }

    // Blue (colour value 0xFF0000 in blue-green-red order), bold, underlined.
    void showHover();
    // The design colour, bold only.
    void showDesign();
    // Hands the page address, exactly as stored, to the desktop.
    void openPage() const;

signals:
    void clicked();

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void applyLook(const QColor& colour, bool underline);

    QString address_;
    QColor designColour_;
    bool pressed_ = false;
};

// The colour of a colour value written in blue-green-red byte order.
QColor colourFromBgr(quint32 value);

// Colours the forms' designs use.
inline const QColor linkBlack = QColor(0x00, 0x00, 0x00);
inline const QColor linkPurple = QColor(0x80, 0x00, 0x80);
inline const QColor textNavy = QColor(0x00, 0x00, 0x80);

// The main window's status-bar link to the home page: caption a blank and
// the host name, object name "rzfldsts2".
LinkLabel* createSiteStatusLink(QWidget* parent);
