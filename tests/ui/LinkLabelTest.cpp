#include "ui/LinkLabel.h"

#include "support/FakeUserDialogs.h"
#include "UiTestHelpers.h"

#include <QCursor>
#include <QMainWindow>
#include <QScreen>
#include <QStatusBar>
#include <QVBoxLayout>

namespace {

TEST(LinkLabelTest, ColourValuesAreReadBlueGreenRed)
{
    EXPECT_EQ(colourFromBgr(0xFF0000), QColor(0, 0, 255));
    EXPECT_EQ(colourFromBgr(0x0000FF), QColor(255, 0, 0));
    EXPECT_EQ(colourFromBgr(0x804020), QColor(0x20, 0x40, 0x80));
}

// A shown window with a link and some room beside it to move the mouse to.
class LinkInWindow : public testing::Test {
protected:
    void SetUp() override
    {
        auto* layout = new QVBoxLayout(&window);
        link = new LinkLabel("http://www.example.com/", "www.example.com", linkPurple);
        link->setObjectName("link");
        beside = new QWidget;
        beside->setMinimumSize(200, 60);
        layout->addWidget(link);
        layout->addWidget(beside);
        // Earlier tests may have left the mouse where the link now appears.
        window.move(0, 0);
        QCursor::setPos(window.screen()->geometry().bottomRight() - QPoint(5, 5));
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    FakeUserDialogs dialogs;
    QWidget window;
    LinkLabel* link = nullptr;
    QWidget* beside = nullptr;
};

TEST_F(LinkInWindow, ClickWhileUnderlinedOpensThePageAndKeepsTheUnderline)
{
    // The caption is shown as it is, not taken for markup or an automatic link.
    EXPECT_EQ(link->textFormat(), Qt::PlainText);
    expectDesignLook(link, linkPurple);
    moveOnto(link);
    QTest::mouseClick(link, Qt::LeftButton, {}, link->rect().center());
    EXPECT_EQ(dialogs.openedUrls, QStringList{"www.example.com"});
    expectHoverLook(link);

    moveOnto(beside);
    expectDesignLook(link, linkPurple);
}

TEST_F(LinkInWindow, OnlyALeftPressAndReleaseOnTheLinkIsAClick)
{
    QTest::mouseClick(link, Qt::RightButton, {}, link->rect().center());
    QTest::mousePress(link, Qt::LeftButton, {}, link->rect().center());
    QTest::mouseRelease(link, Qt::LeftButton, {}, link->rect().bottomRight() + QPoint(20, 20));
    EXPECT_TRUE(dialogs.openedUrls.isEmpty());
    // The font is never touched by a click.
    expectDesignLook(link, linkPurple);
}

TEST(SiteStatusLinkTest, StatusBarFieldOpensTheBareHost)
{
    FakeUserDialogs dialogs;
    QMainWindow window;
    window.setCentralWidget(new QWidget);
    window.centralWidget()->setMinimumSize(300, 100);
    LinkLabel* link = createSiteStatusLink(window.statusBar());
    window.statusBar()->addWidget(link);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    EXPECT_EQ(link->objectName(), QString("rzfldsts2"));
    EXPECT_EQ(link->text(), QString(" kavrel-spect.example.com"));
    expectDesignLook(link, QColor(Qt::black));

    moveOnto(link);
    expectHoverLook(link);
    QTest::mouseClick(link, Qt::LeftButton, {}, link->rect().center());
    EXPECT_EQ(dialogs.openedUrls, QStringList{"kavrel-spect.example.com"});
    moveOnto(window.centralWidget());
    expectDesignLook(link, QColor(Qt::black));
}

} // namespace
