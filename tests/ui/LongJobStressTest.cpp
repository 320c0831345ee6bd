#include "MainWindowFixture.h"
#include "QuickArtificialRecord.h"
#include "support/FolderFiles.h"

#include "common/SaveDialog.h"
#include "records/RecordItem.h"
#include "spectrum/KavrelSpectrum.h"
#include "ui/ArtificialRecordsDialog.h"
#include "ui/CheckRecordsWindow.h"
#include "ui/JobProgress.h"
#include "ui/RecordCommands.h"
#include "ui/RecordLibraryWindow.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QAction>
#include <QLineEdit>
#include <QProgressBar>
#include <QProgressDialog>
#include <QPushButton>
#include <QSemaphore>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTableView>
#include <QThreadPool>
#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <functional>

// Long commands run again and again while the accessibility tree is read,
// as a screen reader reads it, on every update of their progress windows.
// The build's address sanitizer reports any read of a window that has gone.

namespace {

// How the work keeps pace with the window.
enum class Pace {
    // As fast as it goes: the window may never show.
    Fast,
    // The work waits until its progress window is on screen.
    Shown,
    // As Shown; then the window's thread is held up until the work has
    // ended, so that the last update and the end arrive together.
    Stalled,
};

struct PaceCase {
    const char* name;
    Pace pace;
    int rounds;
};

const PaceCase paceCases[] = {
    {"Fast", Pace::Fast, 12},
    {"Shown", Pace::Shown, 5},
    {"Stalled", Pace::Stalled, 5},
};

std::string paceName(const ::testing::TestParamInfo<PaceCase>& info)
{
    return info.param.name;
}

QProgressDialog* progressDialogOf(QObject* object)
{
    for (; object != nullptr; object = object->parent()) {
        if (auto* dialog = qobject_cast<QProgressDialog*>(object))
            return dialog;
    }
    return nullptr;
}

// Reads what a screen reader reads of every progress window, on each change
// of its value and each event it gets, and tells when one comes on screen.
// The accessibility updates are read too where the platform has them on
// (the offscreen platform keeps them off, whatever setActive says).
class ScreenReader : public QObject {
public:
    ScreenReader()
    {
        wasActive_ = QAccessible::isActive();
        reader_ = this;
        previous_ = QAccessible::installUpdateHandler(&ScreenReader::update);
        QAccessible::setActive(true);
        qApp->installEventFilter(this);
    }

    ~ScreenReader() override
    {
        qApp->removeEventFilter(this);
        QAccessible::installUpdateHandler(previous_);
        QAccessible::setActive(wasActive_);
        reader_ = nullptr;
    }

    // Run on the window's thread when a progress window comes on screen.
    std::function<void()> onShown;
    int valueReads = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::Show:
        case QEvent::Paint:
        case QEvent::Timer:
        case QEvent::MetaCall:
        case QEvent::UpdateRequest:
            break;
        default:
            return false;
        }
        QProgressDialog* dialog = progressDialogOf(watched);
        if (dialog == nullptr)
            return false;
        readProgress(dialog);
        if (event->type() == QEvent::Show && watched == dialog) {
            for (QProgressBar* bar : dialog->findChildren<QProgressBar*>())
                connect(bar, &QProgressBar::valueChanged, bar, [this, dialog] { readProgress(dialog); });
            if (onShown)
                onShown();
        }
        return false;
    }

private:
    static void update(QAccessibleEvent* event)
    {
        if (reader_ == nullptr || event->type() == QAccessible::ObjectDestroyed)
            return;
        if (QProgressDialog* dialog = progressDialogOf(event->object())) {
            reader_->read(QAccessible::queryAccessibleInterface(event->object()));
            reader_->readProgress(dialog);
        }
    }

    void readProgress(QProgressDialog* dialog)
    {
        read(QAccessible::queryAccessibleInterface(dialog));
        for (QProgressBar* bar : dialog->findChildren<QProgressBar*>())
            read(QAccessible::queryAccessibleInterface(bar));
    }

    void read(QAccessibleInterface* item)
    {
        if (item == nullptr || !item->isValid())
            return;
        sink_ += item->text(QAccessible::Name).size() + item->rect().width();
        sink_ += item->state().invisible ? 1 : 0;
        if (QAccessibleValueInterface* value = item->valueInterface()) {
            sink_ += value->currentValue().toInt() + value->maximumValue().toInt() + value->minimumValue().toInt();
            ++valueReads;
        }
        for (int i = 0; i < item->childCount(); ++i) {
            if (QAccessibleInterface* child = item->child(i))
                sink_ += child->text(QAccessible::Name).size();
        }
    }

    static inline ScreenReader* reader_ = nullptr;
    QAccessible::UpdateHandler previous_ = nullptr;
    bool wasActive_ = false;
    long long sink_ = 0;
};

class ArtificialStress : public ::testing::TestWithParam<PaceCase> {};

class AddRecordsStress : public MainWindowTest, public ::testing::WithParamInterface<PaceCase>, protected FolderFiles {
protected:
    // The rounds' records: one second of a 2 Hz sine at 0.1 g.
    QString writeShortRecord(const QString& name)
    {
        QByteArray text = "time_s,accel_g\n";
        for (int i = 0; i < 100; ++i)
            text += QByteArray::number(i * 0.01, 'g', 17) + ',' + QByteArray::number(0.1 * std::sin(0.04 * M_PI * i), 'g', 17)
                    + '\n';
        write(name, text);
        return path(name);
    }
};

} // namespace

TEST_P(ArtificialStress, GeneratingAgainAndAgainUnderAScreenReaderLeavesNoWindowBehind)
{
    const PaceCase pace = GetParam();
    ScreenReader reader;
    QSemaphore proceed;
    reader.onShown = [&] {
        if (pace.pace == Pace::Fast)
            return;
        proceed.release();
        if (pace.pace == Pace::Stalled)
            QThreadPool::globalInstance()->waitForDone();
    };
    FakeUserDialogs dialogs;
    SaveDialog saveDialog;
    KavrelSpectrum target{"EQ", 0.16, 0.40, 0.05, 0};
    for (int round = 0; round < pace.rounds; ++round) {
        SCOPED_TRACE(round);
        ArtificialRecordsDialog dialog(std::vector<ArtificialRecordsDialog::Target>{{"EQ", &target}}, 0,
                                       [](const std::string&) { return false; }, saveDialog);
        dialog.show();
        std::atomic<bool> waited{false};
        dialog.setGenerator([&](const KavrelSpectrum&, const ArtificialRequest& request, const ArtificialProgress& progress)
                                -> std::optional<ArtificialRecord> {
            if (pace.pace != Pace::Fast && !waited.exchange(true))
                proceed.acquire();
            for (int pass = 0; pass < 8; ++pass) {
                if (!progress(pass, 8))
                    return std::nullopt;
            }
            return quickArtificialRecord(request, 1200);
        });
        dialog.findChild<QSpinBox*>("artificialCount")->setValue(2);
        dialog.findChild<QLineEdit*>("artificialDuration")->setText("12");
        QSignalSpy finished(&dialog, &ArtificialRecordsDialog::generationFinished);
        QTest::mouseClick(dialog.findChild<QPushButton*>("artificialGenerate"), Qt::LeftButton);
        while (finished.isEmpty())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        ASSERT_TRUE(dialog.generated()) << dialogs.texts().join("\n").toStdString();
        EXPECT_EQ(dialog.generated()->records.size(), 2u);
        EXPECT_EQ(dialog.progressDialog(), nullptr);
        // The window goes with its job, once nothing of it is on the stack.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(dialog.findChildren<QProgressDialog*>().isEmpty());
        EXPECT_TRUE(dialog.findChildren<JobProgress*>().isEmpty());
    }
    if (pace.pace != Pace::Fast) {
        EXPECT_GT(reader.valueReads, 0) << "the progress windows were never read";
    }
    EXPECT_TRUE(dialogs.boxes.empty()) << dialogs.texts().join("\n").toStdString();
}

INSTANTIATE_TEST_SUITE_P(Paces, ArtificialStress, ::testing::ValuesIn(paceCases), paceName);

TEST_P(AddRecordsStress, AddingAgainAndAgainUnderAScreenReaderLeavesNoWindowBehind)
{
    const PaceCase pace = GetParam();
    ASSERT_TRUE(folder.isValid());
    ScreenReader reader;
    QSemaphore proceed;
    QSemaphore lastRead;
    reader.onShown = [&] {
        if (pace.pace == Pace::Fast)
            return;
        proceed.release();
        if (pace.pace == Pace::Stalled)
            lastRead.acquire();
    };
    const QStringList files{writeShortRecord("a.csv"), writeShortRecord("b.csv"), writeShortRecord("c.csv")};
    for (int round = 0; round < pace.rounds; ++round) {
        SCOPED_TRACE(round);
        std::atomic<int> loaded{0};
        form->records().setLoader([&](const QString& path, const RecordScaling& scaling) {
            if (pace.pace != Pace::Fast && loaded == 0)
                proceed.acquire();
            std::unique_ptr<RecordItem> item = RecordCommands::loadRecord(path, scaling);
            if (++loaded == files.size() && pace.pace == Pace::Stalled)
                lastRead.release();
            return item;
        });
        const int before = form->spectra().size();
        form->records().addRecordFiles(files);
        ASSERT_EQ(form->spectra().size(), before + files.size()) << dialogs.texts().join("\n").toStdString();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(form->findChildren<QProgressDialog*>().isEmpty());
        EXPECT_TRUE(form->findChildren<JobProgress*>().isEmpty());
        form->deleteAllSpectra();
    }
    if (pace.pace != Pace::Fast) {
        EXPECT_GT(reader.valueReads, 0) << "the progress windows were never read";
    }
}

INSTANTIATE_TEST_SUITE_P(Paces, AddRecordsStress, ::testing::ValuesIn(paceCases), paceName);

// Check windows closed again and again, with a run asked for, finished or
// still waiting for the pause: each goes with its worker, and the next one
// starts afresh.
TEST_F(MainWindowTest, CheckWindowsClosedWhileTheyCheckGoWithTheirWorker)
{
    ScreenReader reader;
    create("Code");
    GeneratedRecords generated;
    for (const char* name : {"q1", "q2", "q3"}) {
        ArtificialRecord made;
        made.step = 0.01;
        for (int i = 0; i < 2000; ++i)
            made.acceleration.push_back(0.1 * std::sin(0.05 * i) * std::exp(-0.001 * i));
        made.peak = 0.1;
        generated.records.push_back({name, "Code", made});
    }
    form->addArtificialRecords(generated);
    for (int round = 0; round < 10; ++round) {
        SCOPED_TRACE(round);
        control<QAction>("CheckRecords1")->trigger();
        CheckRecordsWindow* window = form->checkRecordsWindow();
        ASSERT_NE(window, nullptr);
        window->findChild<QLineEdit*>("edtMainPeriods")->setText(round % 2 ? "1.2" : "0.8, 0.3");
        if (round % 2) {
            window->finishPendingCheck();
            EXPECT_TRUE(window->check().has_value()) << window->refusal().toStdString();
        }
        window->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(form->checkRecordsWindow(), nullptr);
        EXPECT_TRUE(form->findChildren<CheckRecordsWindow*>().isEmpty());
    }
}

class LibraryIndexStress : public MainWindowTest, protected FolderFiles {};

// Index Now again and again into new indexes, every other run cancelled at
// once, while the progress windows are read: each goes with its run.
TEST_F(LibraryIndexStress, IndexingAgainAndAgainUnderAScreenReaderLeavesNoWindowBehind)
{
    ScreenReader reader;
    control<QAction>("RecordLibrary1")->trigger();
    RecordLibraryWindow* window = form->recordLibraryWindow();
    ASSERT_NE(window, nullptr);
    window->addFolder(QStringLiteral(KAVREL_TEST_DATA "/library"));
    for (int round = 0; round < 4; ++round) {
        SCOPED_TRACE(round);
        window->setIndexPath(path(QStringLiteral("index-%1.sqlite").arg(round)));
        QSignalSpy finished(window, &RecordLibraryWindow::indexingFinished);
        window->indexNow();
        if (round % 2 == 1 && window->progress() && window->progress()->dialog())
            window->progress()->dialog()->cancel();
        while (finished.isEmpty())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(window->findChildren<QProgressDialog*>().isEmpty());
        EXPECT_TRUE(window->findChildren<JobProgress*>().isEmpty());
        // A cancelled run keeps what it wrote: at most the whole library.
        if (round % 2 == 0)
            EXPECT_EQ(window->table()->model()->rowCount(), 13) << window->summary().toStdString();
        else
            EXPECT_LE(window->table()->model()->rowCount(), 13);
    }
}
