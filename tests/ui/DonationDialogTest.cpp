#include "ui/DonationDialog.h"
#include "ui/ModalDialog.h"

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
        box = new DonationDialog(&owner);
        box->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(box));
    }

    FakeUserDialogs dialogs;
    QWidget owner;
    DonationDialog* box = nullptr;  // owned by `owner`
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
    EXPECT_EQ(box->donationLink->text(), donationPage);
    EXPECT_GT(box->donationLink->y(), box->findChild<QLabel*>("lbl10")->y());

    auto* close = box->findChild<QPushButton*>("btn1");
    ASSERT_NE(close, nullptr);
    EXPECT_EQ(close->text(), QString("Close"));
    EXPECT_LE(std::abs(close->geometry().center().x() - box->rect().center().x()), 1);
    EXPECT_GT(close->y(), box->donationLink->y());
}

TEST_F(DonationBoxShown, LinkHoversLeavesAndOpensTheDonationPage)
{
    expectDesignLook(box->donationLink, QColor(Qt::black));
    moveOnto(box->donationLink);
    expectHoverLook(box->donationLink);
    QTest::mouseClick(box->donationLink, Qt::LeftButton, {}, box->donationLink->rect().center());
    EXPECT_EQ(dialogs.openedUrls, QStringList{donationPage});
    expectHoverLook(box->donationLink);
    moveTo(box, QPoint(5, 5));
    expectDesignLook(box->donationLink, QColor(Qt::black));
}

TEST(DonationBoxTest, EachShowingIsANewWindowAndTheReferenceIsClearedAfterwards)
{
    QWidget owner;
    owner.setGeometry(40, 30, 700, 520);
    owner.show();
    QPointer<DonationDialog> reference;
    for (int showing = 0; showing < 2; ++showing) {
        QPointer<DonationDialog> shown;
        onNextModal<DonationDialog>([&](DonationDialog* box) {
            shown = box;
            EXPECT_EQ(reference.data(), box);
            EXPECT_TRUE(box->isModal());
            const QPoint offCentre = box->geometry().center() - owner.geometry().center();
            EXPECT_LE(offCentre.manhattanLength(), 2) << "centred over its owner";
            expectDesignLook(box->donationLink, QColor(Qt::black));
            box->donationLink->showHover();
            QTest::mouseClick(box->closeButton, Qt::LeftButton);
        });
        showModal(&owner, reference);
        EXPECT_TRUE(reference.isNull());
        EXPECT_TRUE(shown.isNull()) << "the window outlives its showing";
    }

    onNextModal<DonationDialog>([](DonationDialog* box) { box->close(); });
    showModal(&owner, reference);
    EXPECT_TRUE(reference.isNull());
}

} // namespace
