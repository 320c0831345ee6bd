#pragma once

#include <QDialog>

class BevelPanel;
class LinkLabel;
class QLabel;
class QPushButton;

// The About window: the product, its version, who makes it, and links to
// the web site, the maker's other programs and the donation page.
class TAboutBox : public QDialog {
    Q_OBJECT

public:
    explicit TAboutBox(QWidget* owner);

    BevelPanel* Panel1;
    QLabel* ProgramIcon;
    QLabel* ProductName;
    QLabel* lbl1;  // product name in Han characters
    QLabel* Version;
    QLabel* lbl2;  // "Developer :"
    QLabel* lbl3;  // developer's name
    QLabel* lbl4;  // e-mail contact
    QLabel* lbl7;  // instant-messaging contact
    QLabel* lbl5;  // website caption
    LinkLabel* lbl6;
    QLabel* lbl13;  // other-programs caption
    LinkLabel* lbl14;
    QLabel* lbl10;  // donation caption
    LinkLabel* lbl11;
    QLabel* lbl12;  // subscription account
    QLabel* img1;   // subscription code picture
    QLabel* img2;   // banner
    QLabel* lbl8;   // "欢迎关注："
    LinkLabel* lbl9;
    QPushButton* OKButton;

    void lbl6MouseMove();
    void lbl6MouseLeave();
    void lbl6Click();
    void lbl9MouseMove();
    void lbl9MouseLeave();
    void lbl9Click();
    void lbl11MouseMove();
    void lbl11MouseLeave();
    void lbl11Click();
    void lbl14MouseMove();
    void lbl14MouseLeave();
    void lbl14Click();
    void OKButtonClick();
};

// Non-null only while the About window is on screen.
extern TAboutBox* AboutBox;

// Shows a new About window modally over `owner` and destroys it when it
// closes (also when showing it throws); AboutBox is null again afterwards.
void showAboutBox(QWidget* owner);
