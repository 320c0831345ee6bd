#include "ui/ActionButton.h"

#include <QAction>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {

TEST(ActionButton, ClickTriggersItsActionOnce)
{
    QAction action(QStringLiteral("Create"));
    ActionButton button(&action);
    QSignalSpy triggered(&action, &QAction::triggered);
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_EQ(triggered.count(), 1);
    EXPECT_FALSE(button.autoDefault());
}

TEST(ActionButton, FollowsTheActionsTextAndEnabledState)
{
    QAction action(QStringLiteral("Create"));
    action.setEnabled(false);
    ActionButton button(&action);
    EXPECT_EQ(button.text(), "Create");
    EXPECT_FALSE(button.isEnabled());

    QSignalSpy triggered(&action, &QAction::triggered);
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_EQ(triggered.count(), 0);  // a disabled command cannot be pressed

    action.setEnabled(true);
    action.setText(QStringLiteral("创建"));  // a new language
    EXPECT_TRUE(button.isEnabled());
    EXPECT_EQ(button.text(), QStringLiteral("创建"));
}

} // namespace
