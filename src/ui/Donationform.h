#pragma once

#include <QDialog>

class LinkLabel;
class QFrame;
class QLabel;
class QPushButton;

// The donation window: two code pictures that lead to the donation page,
// and a link to that page.
class TDonationBox : public QDialog {
    Q_OBJECT

public:
    explicit TDonationBox(QWidget* owner);

    QLabel* img1;  // banners over the two code pictures
    QLabel* img2;
    QFrame* pnl1;
    QFrame* pnl2;
    QLabel* img3;  // the code pictures, each filling its panel
    QLabel* img4;
    QLabel* lbl10;  // "Donation (捐助) :    "
    LinkLabel* lbl11;
    QPushButton* btn1;

    void lbl11MouseMove();
    void lbl11MouseLeave();
    void lbl11Click();
    void btn1Click();
};

// Non-null only while the donation window is on screen.
extern TDonationBox* DonationBox;

// Shows a new donation window modally over `owner` and destroys it when it
// closes (also when showing it throws); DonationBox is null again afterwards.
void showDonationBox(QWidget* owner);
