#include "MainWindowFixture.h"
#include "support/FolderFiles.h"

#include "common/Language.h"
#include "library/LibraryPlaces.h"
#include "records/RecordItem.h"
#include "ui/JobProgress.h"
#include "ui/LibraryCommands.h"
#include "ui/LibraryTableModel.h"
#include "ui/RecordLibraryWindow.h"

#include <QAbstractItemModel>
#include <QAccessible>
#include <QAccessibleTableInterface>
#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>

#include <algorithm>
#include <cmath>

namespace {

const QString dataLibrary = QStringLiteral(KAVREL_TEST_DATA "/library");

// The main window with its library window open over the test library (real
// PEER files and their search table), indexed into a temporary index.
class RecordLibraryWindowTest : public MainWindowTest, protected FolderFiles {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        ASSERT_TRUE(folder.isValid());
        // Every test starts from nothing kept.
        QSettings settings = userSettings();
        settings.remove(QStringLiteral("library"));
    }

    RecordLibraryWindow* open()
    {
        control<QAction>("RecordLibrary1")->trigger();
        RecordLibraryWindow* window = form->recordLibraryWindow();
        EXPECT_NE(window, nullptr);
        return window;
    }

    RecordLibraryWindow* openIndexed(const QString& library = dataLibrary)
    {
        RecordLibraryWindow* window = open();
        if (!window)
            return nullptr;
        window->setIndexPath(path(QStringLiteral("index.sqlite")));
        dialogs.folderAnswers = {library};
        QTest::mouseClick(window->findChild<QPushButton*>("btnLibraryAddFolder"), Qt::LeftButton);
        index(window);
        return window;
    }

    void index(RecordLibraryWindow* window)
    {
        QSignalSpy finished(window, &RecordLibraryWindow::indexingFinished);
        QTest::mouseClick(window->findChild<QPushButton*>("btnLibraryIndex"), Qt::LeftButton);
        // Generous: a sanitized build on a shared machine; no figure is judged by it.
        ASSERT_TRUE(finished.count() == 1 || finished.wait(300000));
    }

    static QStringList column(const RecordLibraryWindow* window, int columnIndex)
    {
        const QAbstractItemModel* shown = window->table()->model();
        QStringList texts;
        for (int r = 0; r < shown->rowCount(); ++r)
            texts << shown->index(r, columnIndex).data().toString();
        return texts;
    }

    static void chooseRowsOf(RecordLibraryWindow* window, const QStringList& files)
    {
        const QAbstractItemModel* shown = window->table()->model();
        QItemSelectionModel* selection = window->table()->selectionModel();
        selection->clearSelection();
        for (int r = 0; r < shown->rowCount(); ++r) {
            if (files.contains(shown->index(r, 0).data().toString()))
                selection->select(shown->index(r, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
        }
    }

    void typeInto(RecordLibraryWindow* window, const char* name, const QString& text)
    {
        auto* edit = window->findChild<QLineEdit*>(name);
        ASSERT_NE(edit, nullptr) << name;
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, text);
    }
};

TEST_F(RecordLibraryWindowTest, IndexesTheLibraryAndListsEveryComponentWithTheTablesFigures)
{
    RecordLibraryWindow* window = openIndexed();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->summary().startsWith(
        QStringLiteral("14 files seen, 14 new, 0 changed, 0 unchanged, 0 moved, 0 removed, 0 refused.\n"
                       "13 components in 11 recordings.")))
        << window->summary().toStdString();
    EXPECT_EQ(window->findChild<QPlainTextEdit*>("txtLibrarySummary")->toPlainText(), window->summary());
    const QAbstractItemModel* shown = window->table()->model();
    ASSERT_EQ(shown->rowCount(), 13);
    ASSERT_EQ(shown->columnCount(), 16);
    EXPECT_EQ(shown->headerData(13, Qt::Horizontal).toString(), QStringLiteral("Vs30 (m/s)"));
    const QStringList files = column(window, 0);
    const int rsn6 = static_cast<int>(files.indexOf(QStringLiteral("RSN6_IMPVALL.I_I-ELC180.AT2")));
    ASSERT_GE(rsn6, 0);
    // The search table's figures of RSN6 (magnitude, Rjb, Vs30, event, station).
    EXPECT_EQ(shown->index(rsn6, 1).data().toString(), QStringLiteral("RSN6"));
    EXPECT_EQ(shown->index(rsn6, 2).data().toString(), QStringLiteral("H1"));
    EXPECT_EQ(shown->index(rsn6, 11).data().toString(), QStringLiteral("6.95"));
    EXPECT_EQ(shown->index(rsn6, 12).data().toString(), QStringLiteral("6.09"));
    EXPECT_EQ(shown->index(rsn6, 13).data().toString(), QStringLiteral("213.44"));
    EXPECT_EQ(shown->index(rsn6, 14).data().toString(), QStringLiteral("Imperial Valley-02"));
    // The Rinaldi files are in no table: their magnitude is unknown, shown empty.
    const int rinaldi = static_cast<int>(files.indexOf(QStringLiteral("RinaldiUP.AT2")));
    ASSERT_GE(rinaldi, 0);
    EXPECT_EQ(shown->index(rinaldi, 2).data().toString(), QStringLiteral("V"));
    EXPECT_EQ(shown->index(rinaldi, 11).data().toString(), QString());
    // Indexed again: nothing read anew.
    index(window);
    EXPECT_TRUE(window->summary().startsWith(QStringLiteral("14 files seen, 0 new, 0 changed, 14 unchanged")))
        << window->summary().toStdString();
}

struct FilterCase {
    const char* name;
    const char* text;
    const char* minimum;
    const char* maximum;
    bool includeUnknown;
    QStringList recordings;  // sorted
};

class RecordLibraryFilter : public RecordLibraryWindowTest, public ::testing::WithParamInterface<FilterCase> {};

// Magnitudes from the search table: RSN6 6.95, RSN15 7.36, RSN20 6.5, RSN30,
// 31, 33 6.19, RSN36 6.63, RSN68 6.61, RSN95 6.24, RSN96 5.2; the three
// Rinaldi components (one recording) unknown.
TEST_P(RecordLibraryFilter, TheTableShowsWhatTheFilterPasses)
{
    const FilterCase& c = GetParam();
    RecordLibraryWindow* window = openIndexed();
    ASSERT_NE(window, nullptr);
    typeInto(window, "edtLibraryText", QString::fromUtf8(c.text));
    typeInto(window, "edtMagnitudeMin", QString::fromUtf8(c.minimum));
    typeInto(window, "edtMagnitudeMax", QString::fromUtf8(c.maximum));
    window->findChild<QCheckBox*>("chkLibraryUnknown")->setChecked(c.includeUnknown);
    QStringList recordings = column(window, 1);
    std::sort(recordings.begin(), recordings.end());
    EXPECT_EQ(recordings, c.recordings);
}

INSTANTIATE_TEST_SUITE_P(
    Window, RecordLibraryFilter,
    ::testing::Values(
        FilterCase{"BothEndsIncluded", "", "6.5", "6.95", false, {"RSN20", "RSN36", "RSN6", "RSN68"}},
        FilterCase{"UnknownIncluded",
                   "",
                   "6.5",
                   "6.95",
                   true,
                   {"RSN20", "RSN36", "RSN6", "RSN68", "Rinaldi", "Rinaldi", "Rinaldi"}},
        FilterCase{"MinimumOnly", "", "7", "", false, {"RSN15"}},
        FilterCase{"MaximumOnly", "", "", "6.19", false, {"RSN30", "RSN31", "RSN33", "RSN96"}},
        FilterCase{"TextAndRange", "parkf", "6", "", false, {"RSN30", "RSN31", "RSN33"}},
        FilterCase{"StationWords", "centro array", "", "", false, {"RSN36", "RSN6"}},
        FilterCase{"RefusedLimitKeepsTheLastList", "", "6.5", "six", false, {"RSN15", "RSN20", "RSN36", "RSN6", "RSN68"}}),
    [](const ::testing::TestParamInfo<FilterCase>& info) { return std::string(info.param.name); });

TEST_F(RecordLibraryWindowTest, ARefusedLimitIsNamedInTheWindow)
{
    RecordLibraryWindow* window = openIndexed();
    ASSERT_NE(window, nullptr);
    typeInto(window, "edtRjbMax", QStringLiteral("30 km"));
    EXPECT_TRUE(window->findChild<QLabel*>("lblLibraryStatus")->text().contains(QStringLiteral("\"30 km\"")));
    // The list stays as "30" left it: Rjb at most 30 km is RSN6, 20, 30, 31,
    // 33, 68, 95 and 96 (not RSN15 at 38.42, RSN36 at 45.12, nor the unknown).
    EXPECT_EQ(window->table()->model()->rowCount(), 8);
}

TEST_F(RecordLibraryWindowTest, NumbersSortAsNumbersAndUnknownFirst)
{
    RecordLibraryWindow* window = openIndexed();
    ASSERT_NE(window, nullptr);
    window->table()->sortByColumn(11, Qt::AscendingOrder);
    const QStringList magnitudes = column(window, 11);
    ASSERT_EQ(magnitudes.size(), 13);
    EXPECT_EQ(magnitudes.mid(0, 3), (QStringList{"", "", ""}));
    // As text the Rjb column would put "12.9" before "3.51".
    EXPECT_EQ(magnitudes.mid(3, 2), (QStringList{"5.2", "6.19"}));
    EXPECT_EQ(magnitudes.last(), QStringLiteral("7.36"));
    window->table()->sortByColumn(12, Qt::AscendingOrder);
    const QStringList rjb = column(window, 12);
    EXPECT_EQ(rjb.mid(3, 3), (QStringList{"3.51", "4.33", "6.09"}));
    EXPECT_EQ(rjb.last(), QStringLiteral("45.12"));
}

TEST_F(RecordLibraryWindowTest, ChosenSpectraAreDrawnAgainstTheFocusedCodeSpectrum)
{
    create("Code");
    RecordLibraryWindow* window = openIndexed();
    ASSERT_NE(window, nullptr);
    chooseRowsOf(window, {"RSN6_IMPVALL.I_I-ELC180.AT2", "RinaldiUP.AT2"});
    ChartControl* chart = window->chart();
    ASSERT_EQ(chart->curveCount(), 3);
    EXPECT_EQ(chart->curve(0)->name(), QStringLiteral("Code"));
    EXPECT_EQ(chart->curve(1)->name(), QStringLiteral("RSN6 H1"));
    EXPECT_EQ(chart->curve(2)->name(), QStringLiteral("Rinaldi V"));
    EXPECT_EQ(chart->curve(2)->pen().style(), Qt::DashLine);
    // T = 0 of a record's spectrum is its peak, the table's PGA.
    const QAbstractItemModel* shown = window->table()->model();
    const int row = static_cast<int>(column(window, 0).indexOf(QStringLiteral("RSN6_IMPVALL.I_I-ELC180.AT2")));
    EXPECT_EQ(chart->curve(1)->at(0).x(), 0.0);
    const QString pga = shown->index(row, 5).data(Qt::ToolTipRole).toString();
    EXPECT_NEAR(chart->curve(1)->at(0).y(), pga.toDouble(), 1e-12);
    // The cell shows six significant digits of it, the tip every one.
    const QString shownPga = shown->index(row, 5).data().toString();
    EXPECT_LE(shownPga.size(), 8) << shownPga.toStdString();
    EXPECT_GT(pga.size(), shownPga.size());
    // Half a unit of the sixth digit is at most 5e-6 of the value.
    EXPECT_NEAR(shownPga.toDouble(), pga.toDouble(), 5e-6 * pga.toDouble());
    // The code spectrum's curve is the main chart's.
    EXPECT_EQ(chart->curve(0)->points(), form->chart()->curve(0)->points());
}

TEST_F(RecordLibraryWindowTest, AddToSetScalesToTheCodesPeakAsAddRecordsDoes)
{
    create("Code");
    // Frequent earthquake at intensity 8 (0.20 g), GB 50011-2010: 70 cm/s^2.
    choose("cbb2", 3);
    RecordLibraryWindow* window = openIndexed();
    ASSERT_NE(window, nullptr);
    chooseRowsOf(window, {"RSN6_IMPVALL.I_I-ELC180.AT2", "RSN68_SFERN_PEL090.AT2"});
    QTest::mouseClick(window->findChild<QPushButton*>("btnLibraryAdd"), Qt::LeftButton);
    ASSERT_TRUE(dialogs.boxes.empty()) << dialogs.texts().join("\n").toStdString();
    ASSERT_EQ(form->spectra().size(), 3);
    for (int i = 1; i < 3; ++i) {
        const RecordItem* record = recordItemOf(form->spectra().item(i));
        ASSERT_NE(record, nullptr);
        EXPECT_EQ(record->scaling().targetPeakGal, 70.0);
        EXPECT_EQ(record->scaling().damping, 0.05);
        const std::vector<double> scaled = record->scaledRecord().accelerationG;
        double peak = 0;
        for (double a : scaled)
            peak = std::max(peak, std::abs(a));
        EXPECT_NEAR(peak * 980.665, 70.0, 1e-9);
    }
    // In the table's order, named after the files, cut to the set's name limit.
    EXPECT_EQ(listTexts(), (QStringList{"Code", "RSN68_SFERN_PEL090", "RSN6_IMPVALL.I_I-EL"}));
    // The same component again is a new item under a free name, as Add Records gives.
    chooseRowsOf(window, {"RSN6_IMPVALL.I_I-ELC180.AT2"});
    QTest::mouseClick(window->findChild<QPushButton*>("btnLibraryAdd"), Qt::LeftButton);
    EXPECT_EQ(listTexts().size(), 4);
    EXPECT_NE(listTexts().last(), listTexts().at(1));
}

TEST_F(RecordLibraryWindowTest, AZipMemberIsReadInPlaceAndAFileGoneIsNamed)
{
    create("Code");
    QDir().mkpath(path("lib"));
    QFile::copy(dataLibrary + "/RSN96_MANAGUA_B-ESO090.AT2", path("RSN96_MANAGUA_B-ESO090.AT2"));
    QFile::copy(dataLibrary + "/RSN95_MANAGUA_A-ESO090.AT2", path("lib/RSN95_MANAGUA_A-ESO090.AT2"));
    QProcess zip;
    zip.setWorkingDirectory(folder.path());
    zip.start(QStringLiteral("zip"), {QStringLiteral("-q"), QStringLiteral("lib/peer.zip"), QStringLiteral("RSN96_MANAGUA_B-ESO090.AT2")});
    ASSERT_TRUE(zip.waitForFinished(60000) && zip.exitCode() == 0);
    RecordLibraryWindow* window = openIndexed(path("lib"));
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(column(window, 0), (QStringList{"RSN95_MANAGUA_A-ESO090.AT2", "peer.zip/RSN96_MANAGUA_B-ESO090.AT2"}));
    ASSERT_TRUE(QFile::remove(path("lib/RSN95_MANAGUA_A-ESO090.AT2")));
    chooseRowsOf(window, column(window, 0));
    QTest::mouseClick(window->findChild<QPushButton*>("btnLibraryAdd"), Qt::LeftButton);
    // The member is added; the file that is gone is named in one warning.
    EXPECT_EQ(listTexts(), (QStringList{"Code", "RSN96_MANAGUA_B-ESO"}));
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_TRUE(dialogs.texts().join("\n").contains(QStringLiteral("RSN95_MANAGUA_A-ESO090.AT2")))
        << dialogs.texts().join("\n").toStdString();
}

TEST_F(RecordLibraryWindowTest, TheFoldersAndTheIndexAreRememberedBetweenRuns)
{
    RecordLibraryWindow* window = open();
    ASSERT_NE(window, nullptr);
    QDir().mkpath(path("a"));
    QDir().mkpath(path("b"));
    window->setIndexPath(path("my index.sqlite"));
    dialogs.folderAnswers = {path("a"), path("b"), path("a")};
    for (int i = 0; i < 3; ++i)
        QTest::mouseClick(window->findChild<QPushButton*>("btnLibraryAddFolder"), Qt::LeftButton);
    auto* list = window->findChild<QListWidget*>("lstLibraryFolders");
    ASSERT_EQ(list->count(), 2);
    list->item(0)->setSelected(true);
    QTest::mouseClick(window->findChild<QPushButton*>("btnLibraryRemoveFolder"), Qt::LeftButton);
    // A place that is no folder is refused with a message; nothing changes.
    dialogs.folderAnswers = {path("nothing here")};
    QTest::mouseClick(window->findChild<QPushButton*>("btnLibraryAddFolder"), Qt::LeftButton);
    EXPECT_EQ(dialogs.boxes.size(), 1u);
    window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    const LibraryPlaces expected{{QDir::cleanPath(path("b"))}, QDir::cleanPath(path("my index.sqlite"))};
    EXPECT_EQ(rememberedLibraryPlaces(userSettings()), expected);
    RecordLibraryWindow* again = open();
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(again->places(), expected);
    EXPECT_EQ(again->findChild<QLineEdit*>("edtLibraryIndex")->text(),
              QDir::toNativeSeparators(expected.indexPath));
    // Never indexed: no index is made by opening the window.
    EXPECT_FALSE(QFile::exists(expected.indexPath));
}

TEST_F(RecordLibraryWindowTest, InputsHaveTheirLabelsAndTheTableItsCells)
{
    RecordLibraryWindow* window = openIndexed();
    ASSERT_NE(window, nullptr);
    for (const char* name : {"lstLibraryFolders", "edtLibraryIndex", "txtLibrarySummary", "edtLibraryText",
                             "edtMagnitudeMin", "edtMagnitudeMax", "edtRjbMin", "edtRjbMax", "edtVs30Min",
                             "edtVs30Max"}) {
        QWidget* input = window->findChild<QWidget*>(name);
        ASSERT_NE(input, nullptr) << name;
        bool labelled = false;
        for (const QLabel* label : window->findChildren<QLabel*>())
            labelled = labelled || (label->buddy() == input && !label->text().isEmpty());
        EXPECT_TRUE(labelled) << name;
    }
    EXPECT_EQ(window->findChild<QLineEdit*>("edtVs30Max")->accessibleName(), QStringLiteral("Vs30 (m/s), at most"));
    for (const char* name : {"btnLibraryAddFolder", "btnLibraryRemoveFolder", "btnLibraryIndex", "btnLibraryAdd",
                             "btnLibraryClose"})
        EXPECT_FALSE(window->findChild<QPushButton*>(name)->text().isEmpty()) << name;
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(window->table());
    ASSERT_NE(table, nullptr);
    ASSERT_NE(table->tableInterface(), nullptr);
    EXPECT_EQ(table->tableInterface()->rowCount(), 13);
    QAccessibleInterface* cell = table->tableInterface()->cellAt(0, 1);
    ASSERT_NE(cell, nullptr);
    EXPECT_FALSE(cell->text(QAccessible::Name).isEmpty());
}

TEST_F(RecordLibraryWindowTest, ClosedWhileIndexingTheRunStopsAndTheProgramGoesOn)
{
    RecordLibraryWindow* window = open();
    ASSERT_NE(window, nullptr);
    window->setIndexPath(path("index.sqlite"));
    window->addFolder(dataLibrary);
    window->indexNow();
    EXPECT_TRUE(window->isIndexing());
    // The main window takes commands meanwhile.
    create("Code");
    EXPECT_EQ(listTexts(), QStringList{"Code"});
    delete window;
    EXPECT_EQ(form->recordLibraryWindow(), nullptr);
}

} // namespace
