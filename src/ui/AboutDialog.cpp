#include "ui/AboutDialog.h"

#include "common/KavrelVersion.h"
#include "common/WebSite.h"
#include "ui/Artwork.h"
#include "ui/BevelPanel.h"
#include "ui/FormParts.h"
#include "ui/LinkLabel.h"
#include "ui/QrCodePicture.h"

#include <QLabel>
#include <QPushButton>

AboutDialog::AboutDialog(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                         Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(tr("About"));
    setFixedSize(827, 606);
    QFont body = font();
    body.setPointSize(10);
    setFont(body);

    panel = new BevelPanel(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setGeometry(9, 8, 809, 561);

    programIcon = placePicture(panel, "ProgramIcon", drawLogo(QSize(100, 100)), QRect(16, 16, 100, 100));
    productName = placeLabel(panel, "ProductName", QStringLiteral("Kavrel Code Spectrum"), QPoint(136, 16));
    makeBold(productName, 22);
    productNameHan = placeLabel(panel, "lbl1", QStringLiteral("Kavrel规范反应谱程序"), QPoint(136, 58));
    makeBold(productNameHan, 14);
    version = placeLabel(panel, "Version", tr("Version: %1").arg(QLatin1String(KAVREL_VERSION)), QPoint(138, 94));

    developerCaption = placeLabel(panel, "lbl2", tr("Developer : "), QPoint(18, 140));
    developerName = placeLabel(panel, "lbl3", QString::fromLatin1(WebSite::authors), QPoint());
    QPalette navy = developerName->palette();
    navy.setColor(QPalette::WindowText, textNavy);
    developerName->setPalette(navy);
    placeAfter(developerName, developerCaption);
    emailLabel = placeLabel(panel, "lbl4",
                      tr("E-mail : %1").arg(QStringLiteral("authors@") + QLatin1String(WebSite::host)), QPoint(18, 164));
    messagingLabel = placeLabel(panel, "lbl7", tr("Instant messaging : on the website's contact page"),
                      QPoint(18, 188));

    // Caption and link pairs, one line each.
    struct LinkRow {
        QLabel*& caption;
        const char* captionName;
        QString captionText;
        LinkLabel*& link;
        const char* linkName;
        QString linkText;
        QString address;
    };
    const LinkRow links[] = {
        {websiteCaption, "lbl5", tr("Website (网站) : "), websiteLink, "lbl6",
         WebSite::homePageCaption(), WebSite::homePageAddress()},
        {otherProgramsCaption, "lbl13", tr("Other programs (其他程序) : "), otherProgramsLink, "lbl14",
         WebSite::otherProgramsPageAddress(), WebSite::otherProgramsPageAddress()},
        {donationCaption, "lbl10", tr("Donation (捐助) :    "), donationLink, "lbl11",
         WebSite::donationPageAddress(), WebSite::donationPageAddress()},
    };
    int lineY = 226;
    for (const LinkRow& row : links) {
        row.caption = placeLabel(panel, row.captionName, row.captionText, QPoint(18, lineY));
        row.link = new LinkLabel(row.linkText, row.address, linkBlack, panel);
        row.link->setObjectName(QLatin1String(row.linkName));
        placeAfter(row.link, row.caption);
        lineY += 24;
    }

    newsAccountLabel = placeLabel(panel, "lbl12", tr("News account (订阅号) : Kavrel_Spect News"),
                       QPoint(18, 312));
    newsCode = placePicture(panel, "img1", QPixmap::fromImage(qrCodePicture(WebSite::homePageCaption(), QSize(220, 220))),
                        QRect(16, 334, 220, 220));
    newsCode->setToolTip(tr("Scan the code to follow Kavrel_Spect News (扫码关注)"));
    // The banner and the greeting line stand centred in the room right of
    // the code picture, level with its lower half.
    const int roomCentre = (newsCode->geometry().right() + panel->width()) / 2;
    banner = placePicture(panel, "img2", drawBanner(QSize(246, 42), QStringLiteral("Kavrel_Spect"), QColor(0x1e, 0x5a, 0xc8)),
                        QRect(roomCentre - 123, 452, 246, 42));
    greetingLabel = placeLabel(panel, "lbl8", QStringLiteral("欢迎关注："), QPoint(0, 512));
    makeBold(greetingLabel);
    QPalette purple = greetingLabel->palette();
    purple.setColor(QPalette::WindowText, linkPurple);
    greetingLabel->setPalette(purple);
    greetingLink = new LinkLabel(WebSite::homePageAddress() + QStringLiteral(" !!! "), WebSite::homePageAddress(),
                         linkPurple, panel);
    greetingLink->setObjectName(QStringLiteral("lbl9"));
    placeAfter(greetingLink, greetingLabel);
    const int greetingShift = roomCentre - (greetingLabel->x() + greetingLink->geometry().right()) / 2;
    greetingLabel->move(greetingLabel->x() + greetingShift, greetingLabel->y());
    greetingLink->move(greetingLink->x() + greetingShift, greetingLink->y());

    okButton = new QPushButton(tr("OK"), this);
    okButton->setObjectName(QStringLiteral("OKButton"));
    okButton->setGeometry(376, 575, 75, 25);
    okButton->setDefault(true);
    okButton->setFocus();

    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
}

