#include "MainWindowFixture.h"

#include "ui/CheckLegend.h"
#include "ui/GraphPanel.h"

#include <QGroupBox>

#include <random>
#include <vector>

namespace {

// Brisk mouse and keyboard work in random order, through real input events,
// with the event loop and its timers running between actions. What each
// action should do to the set is tracked alongside, and every 50 actions the
// check list, the chart and the grid must show exactly that.
class RandomUseTest : public MainWindowTest, public ::testing::WithParamInterface<unsigned> {
protected:
    struct Entry {
        QString name;
        bool checked;  // the check list's box
        bool shown;    // the curve's active flag (the legend can differ)
    };

    int pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(rng); }

    QPoint plotPoint()
    {
        const QRectF plot = form->chart()->chart()->plotArea();
        const QPointF p(plot.left() + plot.width() * (0.1 + 0.3 * pick(10) / 10.0),
                        plot.top() + plot.height() * (0.3 + 0.6 * pick(10) / 10.0));
        return form->chart()->mapFromScene(form->chart()->chart()->mapToScene(p));
    }

    // The view point of legend row `row`, if the legend shows it.
    std::optional<QPoint> legendRow(int row)
    {
        CheckLegend* legend = form->chart()->checkLegend();
        const QPoint at = form->chart()->mapFromScene(legend->mapToScene(legend->rowRect(row).center()));
        if (!form->chart()->viewport()->rect().contains(at))
            return std::nullopt;
        return at;
    }

    void createOne()
    {
        static const char* const alphaMaxes[] = {"0.04", "0.16", "0.5", "40", "400", "1e300"};
        if (pick(4) == 0)
            type("edt1", alphaMaxes[pick(6)]);
        if (pick(6) == 0)
            choose(std::array{"cbb1", "cbb2", "cbb3", "cbb4", "cbb5"}[pick(5)], pick(3));
        const QString name = QStringLiteral("S%1").arg(pick(14));
        const int before = form->checkList()->count();
        create(name);
        if (form->checkList()->count() > before)
            model.push_back({name, true, true});
    }

    void deleteCurrent()
    {
        if (model.empty())
            return;
        const int row = pick(static_cast<int>(model.size()));
        QListWidgetItem* item = form->checkList()->item(row);
        // A click on the entry's text gives it the focus rectangle.
        QTest::mouseClick(form->checkList()->viewport(), Qt::LeftButton, {},
                          form->checkList()->visualItemRect(item).center() + QPoint(20, 0));
        const int current = form->checkList()->currentEntry();
        QTest::mouseClick(control<QPushButton>("Button4"), Qt::LeftButton);
        if (current >= 0)
            model.erase(model.begin() + current);
    }

    void toggleEntry()
    {
        if (model.empty())
            return;
        const int row = pick(static_cast<int>(model.size()));
        form->checkList()->setFocus();
        form->checkList()->setCurrentRow(row);
        QTest::keyClick(form->checkList(), Qt::Key_Space);
        model[row].checked = !model[row].checked;
        for (Entry& e : model)
            e.shown = e.checked;
    }

    void clickLegend(bool twice)
    {
        if (model.empty())
            return;
        const int row = pick(static_cast<int>(model.size()));
        const auto at = legendRow(row);
        if (!at)
            return;
        if (twice) {
            QTest::mouseDClick(form->chart()->viewport(), Qt::LeftButton, {}, *at);
            QTest::mouseRelease(form->chart()->viewport(), Qt::LeftButton, {}, *at);
        } else
            QTest::mouseClick(form->chart()->viewport(), Qt::LeftButton, {}, *at);
        model[row].shown = !model[row].shown;  // a double click toggles once
    }

    void zoomRectangle()
    {
        QWidget* view = form->chart()->viewport();
        const QPoint from = plotPoint();
        const QPoint to = from + QPoint(20 + pick(80), 10 + pick(60));
        QTest::mousePress(view, Qt::LeftButton, {}, from);
        QTest::mouseMove(view, to);
        QTest::mouseRelease(view, Qt::LeftButton, {}, to);
    }

    void act()
    {
        switch (pick(12)) {
        case 0:
        case 1: createOne(); break;
        case 2: deleteCurrent(); break;
        case 3:
            if (pick(8) == 0) {
                QTest::mouseClick(control<QPushButton>("Button5"), Qt::LeftButton);
                model.clear();
            }
            break;
        case 4: toggleEntry(); break;
        case 5: clickLegend(pick(3) == 0); break;
        case 6: {
            const QPoint at = plotPoint();
            QTest::mouseDClick(form->chart()->viewport(), Qt::LeftButton, {}, at);
            QTest::mouseRelease(form->chart()->viewport(), Qt::LeftButton, {}, at);
            break;
        }
        case 7:
            if (!(form->graphPanel() == nullptr))
                form->graphPanel()->close();
            break;
        case 8: zoomRectangle(); break;
        case 9: QTest::mouseClick(form->chart()->viewport(), Qt::RightButton, {}, plotPoint()); break;
        case 10: form->resize(600 + pick(8) * 100, 400 + pick(6) * 80); break;
        case 11:
            if (!(form->graphPanel() == nullptr))
                form->graphPanel()->resize(400 + pick(8) * 100, 250 + pick(6) * 80);
            break;
        }
        // Let queued calls, deferred deletes and timers run, now and then for a while.
        if (pick(10) == 0)
            QTest::qWait(pick(3));
        else
            QCoreApplication::processEvents();
    }

    void expectViewsMatchTheModel()
    {
        QStringList names;
        QList<bool> checked, shown;
        for (const Entry& e : model) {
            names << e.name;
            checked << e.checked;
            shown << e.shown;
        }
        ASSERT_EQ(listTexts(), names);
        ASSERT_EQ(curveTitles(), names);
        QList<bool> listChecked, curveShown;
        for (int i = 0; i < form->checkList()->count(); ++i)
            listChecked << form->checkList()->isChecked(i);
        for (QLineSeries* curve : form->chart()->curves())
            curveShown << curve->isVisible();
        ASSERT_EQ(listChecked, checked);
        ASSERT_EQ(curveShown, shown);
        ASSERT_EQ(form->grid()->rowsWithHeader(), std::max<int>(2, static_cast<int>(model.size()) + 1));
        for (int r = 0; r < static_cast<int>(model.size()); ++r)
            ASSERT_EQ(form->grid()->text(r + 1, 0), model[r].name);
        // The chart is where its tag says.
        if (form->chart()->place() == ChartPlace::Home)
            ASSERT_EQ(form->chart()->parentWidget(), form->chartGroup());
        else
            ASSERT_EQ(form->chart()->parentWidget(), form->graphPanel());
        for (const auto& box : dialogs.boxes)
            ASSERT_NE(box.kind, "error") << box.text.toStdString();
    }

    std::mt19937 rng;
    std::vector<Entry> model;
};

} // namespace

TEST_P(RandomUseTest, TwoThousandActionsKeepEveryViewInStep)
{
    rng.seed(GetParam());
    for (int i = 1; i <= 2000; ++i) {
        act();
        if (i % 50 == 0) {
            SCOPED_TRACE(i);
            expectViewsMatchTheModel();
            if (HasFatalFailure())
                return;
        }
    }
    if (!(form->graphPanel() == nullptr))
        form->graphPanel()->close();
}

INSTANTIATE_TEST_SUITE_P(Seeds, RandomUseTest, ::testing::Values(11u, 2026u, 90210u));
