#include "ui/AboutDialog.h"
#include "common/KavrelVersion.h"
#include "ui/ModalDialog.h"

#include "support/FakeUserDialogs.h"
#include "ui/BevelPanel.h"
#include "UiTestHelpers.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>

namespace {

struct LinkCase {
    const char* name;
    QColor designColour;
    QString caption;
    QString address;
};

const std::vector<LinkCase>& aboutLinks()
{
    static const std::vector<LinkCase> links{
        {"lbl6", QColor(0, 0, 0), "http://kavrel-spect.example.com", "kavrel-spect.example.com"},
        {"lbl14", QColor(0, 0, 0), "http://kavrel-spect.example.com/?page_id=60",
         "http://kavrel-spect.example.com/?page_id=60"},
        {"lbl11", QColor(0, 0, 0), "http://kavrel-spect.example.com/?page_id=4813",
         "http://kavrel-spect.example.com/?page_id=4813"},
        {"lbl9", QColor(0x80, 0, 0x80), "kavrel-spect.example.com !!! ", "kavrel-spect.example.com"},
    };
    return links;
}

class AboutBoxShown : public testing::Test {
protected:
    void SetUp() override
    {
        box = new AboutDialog(&owner);
        box->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(box));
    }

    LinkLabel* link(const char* name) const { return box->findChild<LinkLabel*>(name); }
    QString text(const char* name) const
    {
        auto* label = box->findChild<QLabel*>(name);
        return label ? label->text() : QString("<no %1>").arg(name);
    }

    FakeUserDialogs dialogs;
    QWidget owner;
    AboutDialog* box = nullptr;  // owned by `owner`
};

TEST_F(AboutBoxShown, FixedWindowOfTheDesignedSize)
{
    EXPECT_EQ(titleBarText(box), QString("About"));
    EXPECT_EQ(box->size(), QSize(827, 606));
    EXPECT_EQ(box->minimumSize(), box->maximumSize());
    EXPECT_FALSE(box->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(box->parentWidget(), &owner);

    auto* panel = box->findChild<BevelPanel*>("Panel1");
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->size(), QSize(809, 561));
    auto* ok = box->findChild<QPushButton*>("OKButton");
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(ok->text(), QString("OK"));
    EXPECT_TRUE(ok->isDefault());
    EXPECT_GE(ok->y(), panel->geometry().bottom());
    EXPECT_LE(ok->geometry().bottom(), box->height());
}

TEST_F(AboutBoxShown, ContentTopToBottom)
{
    EXPECT_EQ(text("ProductName"), QString("Kavrel Code Spectrum"));
    EXPECT_EQ(text("lbl1"), QString("Kavrel规范反应谱程序"));
    EXPECT_EQ(text("Version"), QString("Version: " KAVREL_VERSION));
    EXPECT_TRUE(text("lbl2").startsWith("Developer :"));
    EXPECT_EQ(text("lbl5"), QString("Website (网站) : "));
    EXPECT_EQ(text("lbl10"), QString("Donation (捐助) :    "));
    EXPECT_EQ(text("lbl8"), QString("欢迎关注："));
    EXPECT_TRUE(box->findChild<QLabel*>("ProductName")->font().bold());
    EXPECT_GT(box->findChild<QLabel*>("ProductName")->font().pointSize(), box->font().pointSize());
    EXPECT_EQ(box->findChild<QLabel*>("lbl3")->palette().color(QPalette::WindowText), QColor(0, 0, 0x80));
    auto* greeting = box->findChild<QLabel*>("lbl8");
    EXPECT_TRUE(greeting->font().bold());
    EXPECT_EQ(greeting->palette().color(QPalette::WindowText), QColor(0x80, 0, 0x80));

    const char* order[] = {"ProductName", "lbl1", "Version", "lbl2", "lbl4", "lbl7", "lbl5",
                           "lbl13",       "lbl10", "lbl12", "img1",  "img2", "lbl8"};
    for (size_t i = 1; i < std::size(order); ++i) {
        auto* above = box->findChild<QWidget*>(order[i - 1]);
        auto* below = box->findChild<QWidget*>(order[i]);
        ASSERT_TRUE(above && below) << order[i];
        EXPECT_LT(above->y(), below->y()) << order[i - 1] << " above " << order[i];
    }

    // Each link follows its caption on the same line.
    const std::pair<const char*, const char*> captioned[] = {
        {"lbl5", "lbl6"}, {"lbl13", "lbl14"}, {"lbl10", "lbl11"}, {"lbl8", "lbl9"}};
    for (const auto& [caption, linkName] : captioned) {
        const QRect before = box->findChild<QWidget*>(caption)->geometry();
        const QRect after = link(linkName)->geometry();
        EXPECT_EQ(after.left(), before.right() + 1) << linkName;
        EXPECT_LT(std::abs(after.center().y() - before.center().y()), 3) << linkName;
    }
}

TEST_F(AboutBoxShown, PicturesFillTheirBoxes)
{
    const std::pair<const char*, QSize> pictures[] = {
        {"ProgramIcon", QSize(100, 100)}, {"img1", QSize(220, 220)}, {"img2", QSize(246, 42)}};
    for (const auto& [name, size] : pictures) {
        auto* picture = box->findChild<QLabel*>(name);
        ASSERT_NE(picture, nullptr) << name;
        EXPECT_EQ(picture->size(), size) << name;
        EXPECT_TRUE(picture->hasScaledContents()) << name;
        EXPECT_FALSE(picture->pixmap().isNull()) << name;
    }
    EXPECT_FALSE(box->findChild<QLabel*>("img1")->toolTip().isEmpty());
    EXPECT_EQ(box->findChild<QLabel*>("ProgramIcon")->geometry().topLeft(), QPoint(16, 16));
}

TEST_F(AboutBoxShown, EveryLinkShowsAndOpensItsPage)
{
    for (const auto& expected : aboutLinks()) {
        LinkLabel* label = link(expected.name);
        ASSERT_NE(label, nullptr) << expected.name;
        EXPECT_EQ(label->text(), expected.caption) << expected.name;
        dialogs.openedUrls.clear();
        QTest::mouseClick(label, Qt::LeftButton, {}, label->rect().center());
        EXPECT_EQ(dialogs.openedUrls, QStringList{expected.address}) << expected.name;
    }
}

TEST_F(AboutBoxShown, EveryLinkHoversAndLeavesAsDesigned)
{
    for (const auto& expected : aboutLinks())
        expectDesignLook(link(expected.name), expected.designColour);

    for (const auto& expected : aboutLinks()) {
        LinkLabel* label = link(expected.name);
        moveOnto(label);
        expectHoverLook(label);
        // Only the link under the mouse changes.
        for (const auto& other : aboutLinks())
            if (other.name != expected.name)
                expectDesignLook(link(other.name), other.designColour);

        QTest::mouseClick(label, Qt::LeftButton, {}, label->rect().center());
        expectHoverLook(label);
        moveTo(box->panel, QPoint(700, 40));
        expectDesignLook(label, expected.designColour);
    }
}

TEST(AboutBoxTest, EachShowingIsANewWindowAndTheReferenceIsClearedAfterwards)
{
    QWidget owner;
    QPointer<AboutDialog> reference;
    for (int showing = 0; showing < 2; ++showing) {
        QPointer<AboutDialog> shown;
        onNextModal<AboutDialog>([&](AboutDialog* box) {
            shown = box;
            EXPECT_EQ(reference.data(), box);
            EXPECT_TRUE(box->isModal());
            EXPECT_EQ(box->parentWidget(), &owner);
            // Every showing starts from the designed look.
            expectDesignLook(box->websiteLink, QColor(Qt::black));
            box->websiteLink->showHover();
            QTest::mouseClick(box->okButton, Qt::LeftButton);
        });
        showModal(&owner, reference);
        EXPECT_TRUE(reference.isNull());
        EXPECT_TRUE(shown.isNull()) << "the window outlives its showing";
        EXPECT_TRUE(owner.findChildren<AboutDialog*>().isEmpty());
    }
}

TEST(AboutBoxTest, EnterAndTheCloseBoxCloseIt)
{
    QWidget owner;
    QPointer<AboutDialog> reference;
    onNextModal<AboutDialog>([](AboutDialog* box) { QTest::keyClick(box, Qt::Key_Return); });
    showModal(&owner, reference);
    EXPECT_TRUE(reference.isNull());

    onNextModal<AboutDialog>([](AboutDialog* box) { box->close(); });
    showModal(&owner, reference);
    EXPECT_TRUE(reference.isNull());
}

} // namespace
