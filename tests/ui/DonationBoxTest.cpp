#include "ui/Donationform.h"

#include "support/FakeUserDialogs.h"
#include "UiTestHelpers.h"

#include <QFrame>
#include <QLabel>
#include <QPointer>
#include <QPushButton>

namespace {

const QString donationPage = "http://kavrel-spect.example.com/?page_id=4813";

class DonationBoxShown : public testing::Test {
protected:
    void SetUp() override
    {
        box = new TDonationBox(&owner);
        box->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(box));
    }

    FakeUserDialogs dialogs;
    QWidget owner;
    TDonationBox* box = nullptr;  // owned by `owner`
};

TEST_F(DonationBoxShown, FixedWindowWithOnlyTheCloseBox)
{
    EXPECT_EQ(titleBarText(box), QString("Donation (捐助)"));
    EXPECT_EQ(box->size(), QSize(651, 463));
    EXPECT_EQ(box->minimumSize(), box->maximumSize());
    const Qt::WindowFlags flags = box->windowFlags();
    EXPECT_TRUE(flags & Qt::CustomizeWindowHint);
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowContextHelpButtonHint);
    EXPECT_EQ(box->parentWidget(), &owner);
}

TEST_F(DonationBoxShown, BannersCodePanelsLinkAndButton)
{
    auto* left = box->findChild<QFrame*>("pnl1");
    auto* right = box->findChild<QFrame*>("pnl2");
    ASSERT_TRUE(left && right);
    EXPECT_EQ(left->size(), QSize(300, 300));
    EXPECT_EQ(right->size(), QSize(300, 300));
    EXPECT_EQ(left->y(), right->y());
    EXPECT_LT(left->geometry().right(), right->x());

    EXPECT_EQ(box->findChild<QLabel*>("img1")->size(), QSize(162, 57));
    EXPECT_EQ(box->findChild<QLabel*>("img2")->size(), QSize(177, 57));
    EXPECT_LE(box->findChild<QLabel*>("img1")->geometry().bottom(), left->y());

    QString tip;
    for (QFrame* panel : {left, right}) {
        auto* code = panel->findChild<QLabel*>();
        ASSERT_NE(code, nullptr);
        EXPECT_EQ(code->geometry(), panel->rect());
        EXPECT_TRUE(code->hasScaledContents());
        EXPECT_FALSE(code->toolTip().isEmpty());
        tip = tip.isEmpty() ? code->toolTip() : tip;
        EXPECT_EQ(code->toolTip(), tip);
    }

    EXPECT_EQ(box->findChild<QLabel*>("lbl10")->text(), QString("Donation (捐助) :    "));
    EXPECT_EQ(box->lbl11->text(), donationPage);
    EXPECT_GT(box->lbl11->y(), box->findChild<QLabel*>("lbl10")->y());

    auto* close = box->findChild<QPushButton*>("btn1");
    ASSERT_NE(close, nullptr);
    EXPECT_EQ(close->text(), QString("Close"));
    EXPECT_LE(std::abs(close->geometry().center().x() - box->rect().center().x()), 1);
    EXPECT_GT(close->y(), box->lbl11->y());
}

TEST_F(DonationBoxShown, LinkHoversLeavesAndOpensTheDonationPage)
{
    expectDesignLook(box->lbl11, QColor(Qt::black));
    moveOnto(box->lbl11);
    expectHoverLook(box->lbl11);
    QTest::mouseClick(box->lbl11, Qt::LeftButton, {}, box->lbl11->rect().center());
    EXPECT_EQ(dialogs.openedUrls, QStringList{donationPage});
    expectHoverLook(box->lbl11);
    moveTo(box, QPoint(5, 5));
    expectDesignLook(box->lbl11, QColor(Qt::black));
}

TEST(DonationBoxTest, EachShowingIsANewWindowAndTheReferenceIsClearedAfterwards)
{
    QWidget owner;
    owner.setGeometry(40, 30, 700, 520);
    owner.show();
    EXPECT_EQ(DonationBox, nullptr);
    for (int showing = 0; showing < 2; ++showing) {
        QPointer<TDonationBox> shown;
        onNextModal<TDonationBox>([&](TDonationBox* box) {
            shown = box;
            EXPECT_EQ(DonationBox, box);
            EXPECT_TRUE(box->isModal());
            const QPoint offCentre = box->geometry().center() - owner.geometry().center();
            EXPECT_LE(offCentre.manhattanLength(), 2) << "centred over its owner";
            expectDesignLook(box->lbl11, QColor(Qt::black));
            box->lbl11MouseMove();
            QTest::mouseClick(box->btn1, Qt::LeftButton);
        });
        showDonationBox(&owner);
        EXPECT_EQ(DonationBox, nullptr);
        EXPECT_TRUE(shown.isNull()) << "the window outlives its showing";
    }

    onNextModal<TDonationBox>([](TDonationBox* box) { box->close(); });
    showDonationBox(&owner);
    EXPECT_EQ(DonationBox, nullptr);
}

} // namespace
