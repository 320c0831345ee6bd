#include "ui/About.h"

#include "common/WebSite.h"
#include "ui/Artwork.h"
#include "ui/BevelPanel.h"
#include "ui/FormParts.h"
#include "ui/LinkLabel.h"
#include "ui/QrCodePicture.h"

#include <QLabel>
#include <QPushButton>

TAboutBox* AboutBox = nullptr;

TAboutBox::TAboutBox(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                         Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("About"));
    setFixedSize(827, 606);
    QFont body = font();
    body.setPointSize(10);
    setFont(body);

    Panel1 = new BevelPanel(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(9, 8, 809, 561);

    ProgramIcon = placePicture(Panel1, "ProgramIcon", drawLogo(QSize(100, 100)), QRect(16, 16, 100, 100));
    ProductName = placeLabel(Panel1, "ProductName", QStringLiteral("Kavrel Code Spectrum"), QPoint(136, 16));
    makeBold(ProductName, 22);
    lbl1 = placeLabel(Panel1, "lbl1", QStringLiteral("Kavrel规范反应谱程序"), QPoint(136, 58));
    makeBold(lbl1, 14);
    Version = placeLabel(Panel1, "Version", QStringLiteral("Version: 1.1"), QPoint(138, 94));

    lbl2 = placeLabel(Panel1, "lbl2", QStringLiteral("Developer : "), QPoint(18, 140));
    lbl3 = placeLabel(Panel1, "lbl3", QStringLiteral("Kavrel_Spect authors"), QPoint());
    QPalette navy = lbl3->palette();
    navy.setColor(QPalette::WindowText, textNavy);
    lbl3->setPalette(navy);
    placeAfter(lbl3, lbl2);
    lbl4 = placeLabel(Panel1, "lbl4",
                      QStringLiteral("E-mail : authors@") + QLatin1String(WebSite::host), QPoint(18, 164));
    lbl7 = placeLabel(Panel1, "lbl7", QStringLiteral("Instant messaging : on the website's contact page"),
                      QPoint(18, 188));

    lbl5 = placeLabel(Panel1, "lbl5", QStringLiteral("Website (网站) : "), QPoint(18, 226));
    lbl6 = new LinkLabel(WebSite::homePageCaption(), WebSite::homePageAddress(), linkBlack, Panel1);
    lbl6->setObjectName(QStringLiteral("lbl6"));
    placeAfter(lbl6, lbl5);
    lbl13 = placeLabel(Panel1, "lbl13", QStringLiteral("Other programs (其他程序) : "), QPoint(18, 250));
    lbl14 = new LinkLabel(WebSite::otherProgramsPageAddress(), WebSite::otherProgramsPageAddress(), linkBlack, Panel1);
    lbl14->setObjectName(QStringLiteral("lbl14"));
    placeAfter(lbl14, lbl13);
    lbl10 = placeLabel(Panel1, "lbl10", QStringLiteral("Donation (捐助) :    "), QPoint(18, 274));
    lbl11 = new LinkLabel(WebSite::donationPageAddress(), WebSite::donationPageAddress(), linkBlack, Panel1);
    lbl11->setObjectName(QStringLiteral("lbl11"));
    placeAfter(lbl11, lbl10);

    lbl12 = placeLabel(Panel1, "lbl12", QStringLiteral("News account (订阅号) : Kavrel_Spect News"),
                       QPoint(18, 312));
    img1 = placePicture(Panel1, "img1", QPixmap::fromImage(qrCodePicture(WebSite::homePageCaption(), QSize(220, 220))),
                        QRect(16, 334, 220, 220));
    img1->setToolTip(QStringLiteral("Scan the code to follow Kavrel_Spect News (扫码关注)"));
    // The banner and the greeting line stand centred in the room right of
    // the code picture, level with its lower half.
    const int roomCentre = (img1->geometry().right() + Panel1->width()) / 2;
    img2 = placePicture(Panel1, "img2", drawBanner(QSize(246, 42), QStringLiteral("Kavrel_Spect"), QColor(0x1e, 0x5a, 0xc8)),
                        QRect(roomCentre - 123, 452, 246, 42));
    lbl8 = placeLabel(Panel1, "lbl8", QStringLiteral("欢迎关注："), QPoint(0, 512));
    makeBold(lbl8);
    QPalette purple = lbl8->palette();
    purple.setColor(QPalette::WindowText, linkPurple);
    lbl8->setPalette(purple);
    lbl9 = new LinkLabel(WebSite::homePageAddress() + QStringLiteral(" !!! "), WebSite::homePageAddress(),
                         linkPurple, Panel1);
    lbl9->setObjectName(QStringLiteral("lbl9"));
    placeAfter(lbl9, lbl8);
    const int greetingShift = roomCentre - (lbl8->x() + lbl9->geometry().right()) / 2;
    lbl8->move(lbl8->x() + greetingShift, lbl8->y());
    lbl9->move(lbl9->x() + greetingShift, lbl9->y());

    OKButton = new QPushButton(QStringLiteral("OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setGeometry(376, 575, 75, 25);
    OKButton->setDefault(true);
    OKButton->setFocus();

    connectLink(lbl6, this, &TAboutBox::lbl6MouseMove, &TAboutBox::lbl6MouseLeave, &TAboutBox::lbl6Click);
    connectLink(lbl9, this, &TAboutBox::lbl9MouseMove, &TAboutBox::lbl9MouseLeave, &TAboutBox::lbl9Click);
    connectLink(lbl11, this, &TAboutBox::lbl11MouseMove, &TAboutBox::lbl11MouseLeave, &TAboutBox::lbl11Click);
    connectLink(lbl14, this, &TAboutBox::lbl14MouseMove, &TAboutBox::lbl14MouseLeave, &TAboutBox::lbl14Click);
    connect(OKButton, &QPushButton::clicked, this, &TAboutBox::OKButtonClick);
}

void TAboutBox::lbl6MouseMove() { lbl6->showHover(); }
void TAboutBox::lbl6MouseLeave() { lbl6->showDesign(); }
void TAboutBox::lbl6Click() { lbl6->openPage(); }
void TAboutBox::lbl9MouseMove() { lbl9->showHover(); }
void TAboutBox::lbl9MouseLeave() { lbl9->showDesign(); }
void TAboutBox::lbl9Click() { lbl9->openPage(); }
void TAboutBox::lbl11MouseMove() { lbl11->showHover(); }
void TAboutBox::lbl11MouseLeave() { lbl11->showDesign(); }
void TAboutBox::lbl11Click() { lbl11->openPage(); }
void TAboutBox::lbl14MouseMove() { lbl14->showHover(); }
void TAboutBox::lbl14MouseLeave() { lbl14->showDesign(); }
void TAboutBox::lbl14Click() { lbl14->openPage(); }

void TAboutBox::OKButtonClick()
{
    accept();
}

void showAboutBox(QWidget* owner)
{
    // The window goes, and the reference with it, on every way out.
    struct Release {
        ~Release()
        {
            delete AboutBox;
            AboutBox = nullptr;
        }
    } release;
    AboutBox = new TAboutBox(owner);
    AboutBox->exec();
}
