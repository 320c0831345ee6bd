#pragma once

#include <QDialog>

class LinkLabel;
class QFrame;
class QLabel;
class QPushButton;

// The donation window: two code pictures that lead to the donation page,
// and a link to that page.
class DonationDialog : public QDialog {
    Q_OBJECT

public:
    explicit DonationDialog(QWidget* owner);

    QLabel* leftBanner;  // banners over the two code pictures
    QLabel* rightBanner;
    QFrame* leftCodePanel;
    QFrame* rightCodePanel;
    QLabel* leftCode;  // the code pictures, each filling its panel
    QLabel* rightCode;
    QLabel* donationCaption;  // "Donation (捐助) :    "
    LinkLabel* donationLink;
    QPushButton* closeButton;

};

