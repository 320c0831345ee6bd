#include "ui/DonationDialog.h"

#include "common/WebSite.h"
#include "ui/Artwork.h"
#include "ui/FormParts.h"
#include "ui/LinkLabel.h"
#include "ui/QrCodePicture.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace {


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
    picture->setToolTip(DonationDialog::tr("Scan the code to support Kavrel_Spect (扫码捐助)"));
    return panel;
}

} // namespace

DonationDialog::DonationDialog(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                         Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("DonationBox"));
    setWindowTitle(tr("Donation (捐助)"));
    setFixedSize(651, 463);
    QFont body = font();
    body.setPointSize(10);
    setFont(body);

    leftBanner = placePicture(this, "img1", drawBanner(QSize(162, 57), tr("Donate"), QColor(0x1e, 0x5a, 0xc8)),
                        QRect(86, 8, 162, 57));
    rightBanner = placePicture(this, "img2", drawBanner(QSize(177, 57), QStringLiteral("扫码捐助"), QColor(0x1e, 0x8c, 0x50)),
                        QRect(395, 8, 177, 57));
    leftCodePanel = placeCodePanel(this, "pnl1", "img3", QPoint(17, 72), QColor(0x0a, 0x1e, 0x5a), leftCode);
    rightCodePanel = placeCodePanel(this, "pnl2", "img4", QPoint(334, 72), QColor(0x0a, 0x46, 0x28), rightCode);

    donationCaption = placeLabel(this, "lbl10", tr("Donation (捐助) :    "), QPoint());
    donationCaption->move((width() - donationCaption->width()) / 2, 378);
    donationLink = new LinkLabel(WebSite::donationPageAddress(), WebSite::donationPageAddress(), linkBlack, this);
    donationLink->setObjectName(QStringLiteral("lbl11"));
    donationLink->adjustSize();
    donationLink->move((width() - donationLink->width()) / 2, 400);

    closeButton = new QPushButton(tr("Close"), this);
    closeButton->setObjectName(QStringLiteral("btn1"));
    closeButton->setGeometry(288, 430, 75, 25);
    closeButton->setFocus();

    connect(closeButton, &QPushButton::clicked, this, &QDialog::accept);
}

