#include "ui/Donationform.h"

#include "common/WebSite.h"
#include "ui/Artwork.h"
#include "ui/FormParts.h"
#include "ui/LinkLabel.h"
#include "ui/QrCodePicture.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

TDonationBox* DonationBox = nullptr;

namespace {

const QString codeTip = QStringLiteral("Scan the code to support Kavrel_Spect (扫码捐助)");

// A 300 by 300 panel filled by a code picture of the donation page.
QFrame* placeCodePanel(QWidget* parent, const char* panelName, const char* pictureName, QPoint at, QColor dark,
                       QLabel*& picture)
{
    auto* panel = new QFrame(parent);
    panel->setObjectName(QLatin1String(panelName));
    panel->setGeometry(QRect(at, QSize(300, 300)));
    picture = placePicture(panel, pictureName,
                           QPixmap::fromImage(qrCodePicture(WebSite::donationPageAddress(), QSize(300, 300), dark)),
                           QRect(0, 0, 300, 300));
    picture->setToolTip(codeTip);
    return panel;
}

} // namespace

TDonationBox::TDonationBox(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                         Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("DonationBox"));
    setWindowTitle(QStringLiteral("Donation (捐助)"));
    setFixedSize(651, 463);
    QFont body = font();
    body.setPointSize(10);
    setFont(body);

    img1 = placePicture(this, "img1", drawBanner(QSize(162, 57), QStringLiteral("Donate"), QColor(0x1e, 0x5a, 0xc8)),
                        QRect(86, 8, 162, 57));
    img2 = placePicture(this, "img2", drawBanner(QSize(177, 57), QStringLiteral("扫码捐助"), QColor(0x1e, 0x8c, 0x50)),
                        QRect(395, 8, 177, 57));
    pnl1 = placeCodePanel(this, "pnl1", "img3", QPoint(17, 72), QColor(0x0a, 0x1e, 0x5a), img3);
    pnl2 = placeCodePanel(this, "pnl2", "img4", QPoint(334, 72), QColor(0x0a, 0x46, 0x28), img4);

    lbl10 = placeLabel(this, "lbl10", QStringLiteral("Donation (捐助) :    "), QPoint());
    lbl10->move((width() - lbl10->width()) / 2, 378);
    lbl11 = new LinkLabel(WebSite::donationPageAddress(), WebSite::donationPageAddress(), linkBlack, this);
    lbl11->setObjectName(QStringLiteral("lbl11"));
    lbl11->adjustSize();
    lbl11->move((width() - lbl11->width()) / 2, 400);

    btn1 = new QPushButton(QStringLiteral("Close"), this);
    btn1->setObjectName(QStringLiteral("btn1"));
    btn1->setGeometry(288, 430, 75, 25);
    btn1->setFocus();

    connectLink(lbl11, this, &TDonationBox::lbl11MouseMove, &TDonationBox::lbl11MouseLeave,
                &TDonationBox::lbl11Click);
    connect(btn1, &QPushButton::clicked, this, &TDonationBox::btn1Click);
}

void TDonationBox::lbl11MouseMove() { lbl11->showHover(); }
void TDonationBox::lbl11MouseLeave() { lbl11->showDesign(); }
void TDonationBox::lbl11Click() { lbl11->openPage(); }

void TDonationBox::btn1Click()
{
    accept();
}

void showDonationBox(QWidget* owner)
{
    // The window goes, and the reference with it, on every way out.
    struct Release {
        ~Release()
        {
            delete DonationBox;
            DonationBox = nullptr;
        }
    } release;
    DonationBox = new TDonationBox(owner);
    DonationBox->exec();
}
