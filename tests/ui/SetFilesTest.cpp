#include "chart/ColourSlots.h"
#include "MainWindowFixture.h"
#include "support/FolderFiles.h"

#include "ui/SetDocument.h"

#include "export/SetFile.h"
#include "spectrum/StartupDefaults.h"
#include "ui/CheckLegend.h"
#include "ui/LanguageSwitch.h"

#include <QChart>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QSettings>
#include <QTemporaryDir>

#include <algorithm>
#include <string>
#include <vector>

namespace {

class SetFilesTest : public MainWindowTest, protected FolderFiles {
protected:
    void SetUp() override
    {
        // Each test starts with no recently used sets.
        QSettings(QSettings::NativeFormat, QSettings::UserScope, "Kavrel_Spect", "Kavrel_Spect").clear();
        MainWindowTest::SetUp();
        ASSERT_TRUE(folder.isValid());
    }

    QByteArray saveData(const QString& name)
    {
        dialogs.saveAnswers = {path(name)};
        control<QAction>("SaveData1")->trigger();
        return read(path(name));
    }

    void saveSetAs(const QString& name)
    {
        dialogs.saveAnswers = {path(name)};
        control<QAction>("SaveSet1")->trigger();
    }

    void openSet(const QString& name)
    {
        dialogs.openAnswers = {path(name)};
        control<QAction>("OpenSet1")->trigger();
    }

    void toggleEntry(int row)
    {
        form->checkList()->setFocus();
        form->checkList()->setCurrentRow(row);
        QTest::keyClick(form->checkList(), Qt::Key_Space);
    }

    // Everything the user sees of the set.
    struct Shown {
        QStringList list;
        QList<bool> ticks;
        QStringList curves;
        QList<bool> drawn;
        QList<QStringList> rows;
        bool operator==(const Shown& o) const
        {
            return list == o.list && ticks == o.ticks && curves == o.curves && drawn == o.drawn && rows == o.rows;
        }
    };
    Shown shown() const
    {
        Shown s{listTexts(), {}, curveTitles(), {}, {}};
        for (int i = 0; i < form->checkList()->count(); ++i)
            s.ticks << form->checkList()->isChecked(i);
        for (QLineSeries* curve : form->chart()->curves())
            s.drawn << curve->isVisible();
        for (int r = 0; r < form->grid()->rowsWithHeader(); ++r)
            s.rows << gridRow(r);
        return s;
    }

    // Three spectra with awkward names and numbers, the second unticked.
    void createAwkwardSpectra()
    {
        create("say \"hi\"");
        choose("cbb1", 1);
        type("edt1", "0.30000000000000004");
        type("edt2", "0.123456789012345678");
        create("C:\\sites\\a");
        choose("cbb1", 2);
        choose("cbb4", 3);
        type("edt5", "0.035");
        create(QString::fromUtf8("设防地震 场地"));
        toggleEntry(1);
        ASSERT_EQ(form->spectra().size(), 3);
        ASSERT_FALSE(form->spectra().isVisible(1));
    }

};

} // namespace

TEST_F(SetFilesTest, FileMenuComesFirstWithItsShortcutsAndTheOtherMenusStay)
{
    QList<QString> menus;
    for (QAction* action : form->menuBar()->actions())
        menus << action->menu()->objectName();
    EXPECT_EQ(menus, (QList<QString>{"File1", "Edit1", "View1", "About1"}));
    EXPECT_EQ(control<QAction>("OpenSet1")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_O));
    EXPECT_EQ(control<QAction>("SaveSet1")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_S));
    EXPECT_EQ(control<QAction>("Exit1")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));
    EXPECT_EQ(control<QAction>("OpenSet1")->text(), "Open Set...");
    EXPECT_FALSE(control<QMenu>("RecentSets1")->isEnabled());  // nothing used yet
    QStringList edit;
    for (QAction* action : control<QMenu>("Edit1")->actions())
        edit << action->objectName();
    EXPECT_EQ(edit.mid(0, 5), (QStringList{"Create1", "Delete1", "DeleteAll1", "SaveData1", "SavePicture1"}));
}

TEST_F(SetFilesTest, OpeningASavedSetShowsItAsCreatedAndSaveDataWritesTheSameBytes)
{
    createAwkwardSpectra();
    const Shown before = shown();
    const QByteArray csvBefore = saveData("before.csv");
    ASSERT_FALSE(csvBefore.isEmpty());
    saveSetAs("sites");  // the dialog adds the suffix in the real program
    ASSERT_EQ(dialogs.saveRequests.back().fileName, "Spectra");
    ASSERT_EQ(dialogs.saveRequests.back().defaultSuffix, "kspect");
    EXPECT_FALSE(form->document().hasUnsavedChanges());
    EXPECT_TRUE(read(path("sites")).contains("0.30000000000000004"));
    EXPECT_TRUE(read(path("sites")).contains("\"site\": \"III\""));

    control<QAction>("DeleteAll1")->trigger();
    create("Other");
    dialogs.saveChangesAnswers = {UserDialogs::SaveChoice::Discard};
    openSet("sites");
    EXPECT_EQ(dialogs.saveChangesQuestions.size(), 1);
    EXPECT_TRUE(shown() == before);
    EXPECT_EQ(saveData("after.csv"), csvBefore);
    EXPECT_FALSE(form->document().hasUnsavedChanges());
    EXPECT_EQ(form->spectra().origin(2).site, "III");

    // Save Set proposes the name it was opened from, in its folder.
    saveSetAs("again.kspect");
    EXPECT_EQ(dialogs.saveRequests.back().fileName, "sites");
    EXPECT_EQ(dialogs.saveRequests.back().initialDir, folder.path() + "/");
    EXPECT_EQ(read(path("again.kspect")), read(path("sites")));
}

TEST_F(SetFilesTest, ADamagedFileIsRefusedWithOneMessageAndNothingChanges)
{
    create("A");
    create("B");
    toggleEntry(0);
    const Shown before = shown();
    write("good.kspect", buildSetFile({{"X", 0, 0.04, 0.2, 0.05, true, {}}}));
    const QByteArray good = read(path("good.kspect"));
    const std::pair<const char*, QByteArray> damaged[] = {
        {"truncated.kspect", good.left(good.size() - 20)},
        {"type.kspect", QByteArray(good).replace("\"tg\": 0.2", "\"tg\": \"0.2\"")},
        {"negative.kspect", QByteArray(good).replace("\"tg\": 0.2", "\"tg\": -0.2")},
        {"code.kspect", QByteArray(good).replace("GB 50011-2010", "GB 99999")},
        {"newer.kspect", QByteArray(good).replace("\"version\": 1", "\"version\": 5")},
        {"empty.kspect", ""},
        {"text.kspect", "hello"},
    };
    for (const auto& [name, bytes] : damaged)
        write(name, bytes);
    ASSERT_TRUE(QDir(folder.path()).mkdir("folder.kspect"));

    for (const QString name : {"truncated.kspect", "type.kspect", "negative.kspect", "code.kspect", "newer.kspect",
                                "empty.kspect", "text.kspect", "folder.kspect", "missing.kspect"}) {
        SCOPED_TRACE(name.toStdString());
        dialogs.boxes.clear();
        openSet(name);
        ASSERT_EQ(dialogs.boxes.size(), 1u);
        EXPECT_EQ(dialogs.boxes[0].kind, "warning");
        EXPECT_TRUE(dialogs.boxes[0].text.startsWith("\"" + name + "\": ")) << dialogs.boxes[0].text.toStdString();
        EXPECT_TRUE(shown() == before);
        EXPECT_TRUE(form->document().setPath().isEmpty());
    }
    EXPECT_TRUE(dialogs.saveChangesQuestions.isEmpty());  // the file is checked before anything is asked
}

TEST_F(SetFilesTest, ARefusalSpeaksTheWindowsLanguageWhileTheFileStaysAsItIs)
{
    const QByteArray good = buildSetFile({{"X", 0, 0.04, 0.2, 0.05, true, {}}});
    write("type.kspect", QByteArray(good).replace("\"tg\": 0.2", "\"tg\": \"0.2\""));
    write("kind.kspect", QByteArray(good).replace("\"name\"", "\"kind\": \"curve\", \"name\""));
    const struct {
        Language language;
        const char* file;
        QString message;
    } cases[] = {
        {Language::SimplifiedChinese, "type.kspect", "\"type.kspect\": 第 1 条反应谱的“tg”不是数值"},
        {Language::SimplifiedChinese, "kind.kspect",
         "\"kind.kspect\": 含有第 1 项曲线，而版本 1 的反应谱组文件不能包含曲线"},
        {Language::English, "type.kspect", "\"type.kspect\": spectrum 1 has \"tg\" that is not a number"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        installLanguage(c.language);
        dialogs.boxes.clear();
        openSet(c.file);
        ASSERT_EQ(dialogs.boxes.size(), 1u);
        EXPECT_EQ(dialogs.boxes[0].text, c.message);
    }
    installLanguage(Language::English);

    // A set saved in Chinese is the file saved in English.
    write("good.kspect", good);
    openSet("good.kspect");
    installLanguage(Language::SimplifiedChinese);
    saveSetAs("chinese.kspect");
    installLanguage(Language::English);
    EXPECT_EQ(read(path("chinese.kspect")), good);
}

TEST_F(SetFilesTest, UnsavedChangesAreAskedAboutBeforeTheyWouldBeLost)
{
    write("one.kspect", buildSetFile({{"One", 0, 0.04, 0.2, 0.05, true, {}}}));
    openSet("one.kspect");  // an empty window asks nothing
    EXPECT_TRUE(dialogs.saveChangesQuestions.isEmpty());
    ASSERT_EQ(listTexts(), QStringList{"One"});

    toggleEntry(0);  // a check mark is part of the set
    EXPECT_TRUE(form->document().hasUnsavedChanges());
    openSet("one.kspect");  // Cancel: nothing happens
    ASSERT_EQ(dialogs.saveChangesQuestions.size(), 1);
    EXPECT_EQ(dialogs.saveChangesQuestions[0],
              "The set \"one.kspect\" has changed since it was saved. Save the changes?");
    EXPECT_FALSE(form->checkList()->isChecked(0));

    // Save, then open: the changes are in the file and the file is shown.
    dialogs.saveChangesAnswers = {UserDialogs::SaveChoice::Save};
    dialogs.saveAnswers = {path("kept.kspect")};
    dialogs.openAnswers = {path("one.kspect")};
    control<QAction>("OpenSet1")->trigger();
    EXPECT_TRUE(form->checkList()->isChecked(0));
    EXPECT_EQ(form->document().setPath(), QFileInfo(path("one.kspect")).absoluteFilePath());
    EXPECT_TRUE(read(path("kept.kspect")).contains("\"visible\": false"));

    // Save chosen but the save dialog cancelled: nothing is replaced.
    create("Two");
    dialogs.saveChangesAnswers = {UserDialogs::SaveChoice::Save};
    openSet("kept.kspect");
    EXPECT_EQ(listTexts(), (QStringList{"One", "Two"}));

    EXPECT_EQ(SetDocument::recentSets(),
              (QStringList{QFileInfo(path("one.kspect")).absoluteFilePath(),
                           QFileInfo(path("kept.kspect")).absoluteFilePath()}));
}

TEST_F(SetFilesTest, ClosingWithUnsavedChangesAsksSaveDiscardOrCancel)
{
    EXPECT_TRUE(form->close());  // nothing to lose: not asked
    EXPECT_TRUE(dialogs.saveChangesQuestions.isEmpty());
    form->show();

    create("A");
    EXPECT_FALSE(form->close());  // no answer scripted: Cancel
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(dialogs.saveChangesQuestions.back(), "The spectra have not been saved as a set. Save the changes?");

    dialogs.saveChangesAnswers = {UserDialogs::SaveChoice::Save};  // and the save dialog is cancelled
    EXPECT_FALSE(form->close());

    dialogs.saveChangesAnswers = {UserDialogs::SaveChoice::Save};
    dialogs.saveAnswers = {path("closing.kspect")};
    EXPECT_TRUE(form->close());
    EXPECT_TRUE(read(path("closing.kspect")).contains("\"name\": \"A\""));

    form->show();
    create("B");
    dialogs.saveChangesAnswers = {UserDialogs::SaveChoice::Discard};
    control<QAction>("Exit1")->trigger();
    EXPECT_FALSE(form->isVisible());
}

TEST_F(SetFilesTest, ASaveThatFailsKeepsTheOldFileAndTheChangesUnsaved)
{
    create("A");
    saveSetAs("a.kspect");
    const QByteArray old = read(path("a.kspect"));
    create("B");
    ASSERT_TRUE(QDir(folder.path()).mkdir("taken.kspect"));
    saveSetAs("taken.kspect");
    ASSERT_FALSE(dialogs.boxes.empty());
    EXPECT_EQ(dialogs.boxes.back().kind, "error");
    EXPECT_TRUE(dialogs.boxes.back().text.startsWith("Cannot create file"));
    EXPECT_TRUE(form->document().hasUnsavedChanges());
    EXPECT_EQ(read(path("a.kspect")), old);
}

TEST_F(SetFilesTest, ARecentSetADroppedFileAndAStartUpArgumentAreOpened)
{
    write("one.kspect", buildSetFile({{"One", 0, 0.04, 0.2, 0.05, true, {}}}));
    write("two.kspect", buildSetFile({{"Two", 1, 0.08, 0.3, 0.05, false, {}}}));

    form->document().openArguments({path("one.kspect")});
    EXPECT_EQ(listTexts(), QStringList{"One"});
    openSet("two.kspect");
    QMenu* recent = control<QMenu>("RecentSets1");
    ASSERT_TRUE(recent->isEnabled());
    emit recent->aboutToShow();
    QStringList items;
    for (QAction* action : recent->actions())
        items << action->objectName() + " " + action->text();
    EXPECT_EQ(items, (QStringList{"RecentSet1 &1 two.kspect", "RecentSet2 &2 one.kspect"}));
    recent->actions()[1]->trigger();
    EXPECT_EQ(listTexts(), QStringList{"One"});

    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path("two.kspect"))});
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(form.get(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(form.get(), &drop);
    QTRY_COMPARE(listTexts(), QStringList{"Two"});
    EXPECT_FALSE(form->checkList()->isChecked(0));
    EXPECT_FALSE(form->chart()->curve(0)->isVisible());

    // A start-up file that cannot be read: its message and an empty window.
    control<QAction>("DeleteAll1")->trigger();
    dialogs.saveChangesAnswers = {UserDialogs::SaveChoice::Discard};
    dialogs.boxes.clear();
    form->document().openArguments({path("gone.kspect")});
    EXPECT_EQ(dialogs.texts(), QStringList{"\"gone.kspect\": cannot be read: No such file or directory"});
    EXPECT_TRUE(form->spectra().empty());

    // Eight at most, the latest first.
    for (int i = 0; i < 10; ++i) {
        write(QString("s%1.kspect").arg(i), buildSetFile({{"S", 0, 0.04, 0.2, 0.05, true, {}}}));
        openSet(QString("s%1.kspect").arg(i));
    }
    EXPECT_EQ(SetDocument::recentSets().size(), SetDocument::maxRecentSets);
    EXPECT_EQ(SetDocument::recentSets().front(), QFileInfo(path("s9.kspect")).absoluteFilePath());
}

// A large set opens whole and in the palette's colours, and Delete All leaves
// every view empty with the chart ready for the next Create.
TEST_F(SetFilesTest, ALargeSetOpensWholeAndDeleteAllEmptiesEveryView)
{
    constexpr int count = 600;
    SetContents contents;
    for (int i = 0; i < count; ++i)
        contents.push_back({"L" + std::to_string(i), startup::codeType, 0.04 + i * 1e-4, 0.2, startup::dampingRatio,
                            i % 7 != 3, originOfSelections(0, 0, 0, 0)});
    saveSetFile(path("large.kspect"), contents);
    openSet("large.kspect");

    ChartControl* chart = form->chart();
    ASSERT_EQ(chart->curveCount(), count);
    EXPECT_EQ(form->checkList()->count(), count);
    EXPECT_EQ(chart->checkLegend()->rowCount(), count);
    EXPECT_EQ(form->grid()->rowsWithHeader(), count + 1);
    EXPECT_EQ(form->checkList()->entryText(count - 1), "L599");
    EXPECT_EQ(gridRow(count).at(0), "L599");
    EXPECT_FALSE(chart->curve(3)->isVisible());
    EXPECT_FALSE(form->checkList()->isChecked(3));
    EXPECT_TRUE(chart->curve(count - 1)->isVisible());
    // The colours come round in the palette's order, as for curves created one by one.
    const auto palette = [](int slot) {
        const CurveColour c = curveColour(slot);
        return QColor(c.red, c.green, c.blue);
    };
    for (int i : {0, 1, 4, 5, 12, 13, 598, 599})
        EXPECT_EQ(chart->curve(i)->color(), palette(i)) << i;

    control<QPushButton>("Button5")->click();  // Delete All
    EXPECT_EQ(chart->curveCount(), 0);
    EXPECT_EQ(form->checkList()->count(), 0);
    EXPECT_EQ(chart->checkLegend()->rowCount(), 0);
    EXPECT_FALSE(chart->checkLegend()->isVisible());
    EXPECT_EQ(form->grid()->rowsWithHeader(), 2);
    EXPECT_EQ(gridRow(1).join(""), "");

    create("After");
    ASSERT_EQ(chart->curveCount(), 1);
    EXPECT_EQ(chart->curve(0)->color(), palette(0));
    EXPECT_TRUE(chart->curve(0)->isVisible());
    EXPECT_EQ(curveTitles(), QStringList{"After"});
    double highest = 0;
    for (const QPointF& p : chart->curve(0)->points())
        highest = std::max(highest, p.y());
    expectLeftAxisUpTo(highest);
}
