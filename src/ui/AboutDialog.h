#pragma once

#include <QDialog>

class BevelPanel;
class LinkLabel;
class QLabel;
class QPushButton;

// The About window: the product, its version, who makes it, and links to
// the web site, the maker's other programs and the donation page.
class AboutDialog : public QDialog {
    Q_OBJECT

public:
    explicit AboutDialog(QWidget* owner);

    BevelPanel* panel;
    QLabel* programIcon;
    QLabel* productName;
    QLabel* productNameHan;  // product name in Han characters
    QLabel* version;
    QLabel* developerCaption;  // "Developer :"
    QLabel* developerName;  // developer's name
    QLabel* emailLabel;  // e-mail contact
    QLabel* messagingLabel;  // instant-messaging contact
    QLabel* websiteCaption;  // website caption
    LinkLabel* websiteLink;
    QLabel* otherProgramsCaption;  // other-programs caption
    LinkLabel* otherProgramsLink;
    QLabel* donationCaption;  // donation caption
    LinkLabel* donationLink;
    QLabel* newsAccountLabel;  // subscription account
    QLabel* newsCode;   // subscription code picture
    QLabel* banner;   // banner
    QLabel* greetingLabel;   // "欢迎关注："
    LinkLabel* greetingLink;
    QPushButton* okButton;

};

