#pragma once

#include "support/FakeUserDialogs.h"
#include "support/QtPrinters.h"
#include "ui/ChartControl.h"
#include "ui/CheckListBox.h"
#include "ui/StringGrid.h"
#include "ui/InputPanel.h"
#include "ui/MainWindow.h"
#include "ui/SetDocument.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QLineSeries>
#include <QPushButton>
#include <QTest>
#include <QValueAxis>
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

// A shown, active main window with the scripted dialogs installed, driven
// through its real controls.
class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        form = std::make_unique<MainWindow>();
        form->show();
        QApplication::setActiveWindow(form.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }

    void TearDown() override { form.reset(); }

    template <typename T>
    T* control(const char* name) const
    {
        T* widget = form->findChild<T*>(name);
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    // Replaces the text of an edit box as a user would.
    void type(const char* editName, const QString& text)
    {
        QLineEdit* edit = control<QLineEdit>(editName);
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        // Key clicks cover ASCII only; other characters arrive as typed-in text.
        bool ascii = true;
        for (QChar c : text)
            ascii = ascii && c.unicode() < 128;
        if (ascii)
            QTest::keyClicks(edit, text);
        else
            edit->insert(text);
    }

    void clickCreate() { QTest::mouseClick(control<QPushButton>("Button1"), Qt::LeftButton); }

    void create(const QString& name)
    {
        type("edt4", name);
        clickCreate();
    }

    // Chooses item `index` of a selection box with the keyboard.
    void choose(const char* comboName, int index)
    {
        QComboBox* box = control<QComboBox>(comboName);
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Home);
        for (int i = 0; i < index; ++i)
            QTest::keyClick(box, Qt::Key_Down);
        ASSERT_EQ(box->currentIndex(), index);
    }

    // The left axis reaches from 0 to the first label at or above `maximum`.
    void expectLeftAxisUpTo(double maximum) const
    {
        const QValueAxis* axis = form->chart()->leftAxis();
        const double step = axis->tickInterval();
        EXPECT_EQ(axis->min(), 0.0);
        EXPECT_GE(axis->max(), maximum - 1e-12);
        EXPECT_LT(axis->max(), maximum + step);
        EXPECT_NEAR(axis->max() / step, std::round(axis->max() / step), 1e-9);
    }

    QWidget* focused() const { return QApplication::focusWidget(); }

    QStringList listTexts() const
    {
        QStringList texts;
        for (int i = 0; i < form->checkList()->count(); ++i)
            texts << form->checkList()->entryText(i);
        return texts;
    }

    QStringList curveTitles() const
    {
        QStringList titles;
        for (QLineSeries* curve : form->chart()->curves())
            titles << curve->name();
        return titles;
    }

    QStringList gridRow(int row) const
    {
        QStringList cells;
        for (int c = 0; c < form->grid()->columnCount(); ++c)
            cells << form->grid()->text(row, c);
        return cells;
    }

    FakeUserDialogs dialogs;
    std::unique_ptr<MainWindow> form;
};
