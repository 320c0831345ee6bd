#pragma once

#include "records/ArtificialBatch.h"
#include "ui/TargetChoice.h"

#include <QDialog>
#include <QFutureWatcher>
#include <QPointer>
#include <QString>

#include <atomic>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class KavrelSpectrum;
class QComboBox;
class QLabel;
class QLineEdit;
class JobProgress;
class QProgressDialog;
class QPushButton;
class QSpinBox;
class QTreeWidget;
class SaveDialog;

// Edit > Artificial Records...: artificial accelerograms matched to one of
// the set's code spectra. Generate makes them on a worker thread behind a
// progress dialog that can be cancelled (nothing is kept then); Save...
// writes them as time-history files; OK hands them over (generating them
// first when that has not been done). The window never touches the set: its
// owner takes generated() after OK.
class ArtificialRecordsDialog : public QDialog {
    Q_OBJECT
public:
    using Target = TargetChoice;

    // `targets` in the set's order; `preselected` the one offered first (an
    // index, or -1 for the first). `nameTaken` tells the names already used,
    // against which new names are made unique. `saveDialog` keeps the folder
    // and format of Save... between runs.
    ArtificialRecordsDialog(std::vector<Target> targets, int preselected,
                            std::function<bool(const std::string&)> nameTaken, SaveDialog& saveDialog,
                            QWidget* parent = nullptr);
    ~ArtificialRecordsDialog() override;

    // The records of the last generation, if any and still for the inputs shown.
    const std::optional<GeneratedRecords>& generated() const { return result_; }
    bool isGenerating() const { return watcher_.isRunning() || running_; }
    // Open while a generation runs, else null.
    QProgressDialog* progressDialog() const;
    // Replaces the generator (tests script refusals and stops with it).
    void setGenerator(ArtificialGenerator generator) { generator_ = std::move(generator); }

    // The buttons' commands.
    void generate();
    void saveRecords();

    void accept() override;
    void reject() override;

signals:
    // A generation has ended: done, refused or cancelled.
    void generationFinished();

private:
    struct Outcome {
        std::optional<GeneratedRecords> records;
        QString refusal;
    };

    void buildInputs();
    void buildButtons();
    void followTarget();
    void discardResult();
    void finishGeneration();
    void showResult();
    const KavrelSpectrum& target() const;

    std::vector<Target> targets_;
    std::function<bool(const std::string&)> nameTaken_;
    SaveDialog& saveDialog_;
    ArtificialGenerator generator_ = generateArtificialRecord;

    QComboBox* targetBox_ = nullptr;
    QSpinBox* countBox_ = nullptr;
    QLineEdit* durationEdit_ = nullptr;
    QComboBox* stepBox_ = nullptr;
    QLineEdit* seedEdit_ = nullptr;
    QLineEdit* peakEdit_ = nullptr;
    QTreeWidget* resultsList_ = nullptr;
    QLabel* resultNote_ = nullptr;
    QPushButton* generateButton_ = nullptr;
    QPushButton* saveButton_ = nullptr;
    QPointer<JobProgress> progress_;

    // The peak follows the target until the user types one.
    bool peakTyped_ = false;
    bool acceptWhenDone_ = false;
    bool running_ = false;
    std::atomic<bool> cancelled_{false};
    QFutureWatcher<Outcome> watcher_;
    std::optional<GeneratedRecords> result_;
};
