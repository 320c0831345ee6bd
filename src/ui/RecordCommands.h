#pragma once

#include "records/RecordItem.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <vector>

class CheckListBox;
class InputPanel;
class QMimeData;
class QWidget;
struct RecordScaling;
class SpectrumSet;

// The window's record commands: File > Add Records..., record files dropped
// on the window, and a record's properties. Files are read and their
// spectra computed off the GUI thread; the set changes on the GUI thread
// only, once the work is done.
class RecordCommands : public QObject {
    Q_OBJECT
public:
    RecordCommands(SpectrumSet& set, InputPanel* inputs, const CheckListBox* list, QWidget* window);

    // Asks for record files and adds them.
    void addRecords();
    // Adds the records of `paths`, each an item named after its file, scaled
    // to the input panel's default target peak, its spectrum at the panel's
    // damping. Files that cannot be read are named, each with its fault, in
    // one warning after the others have been added. Cancelling the progress
    // adds nothing.
    void addRecordFiles(const QStringList& paths);

    // One record to add: a name for a fault that names nothing itself, and
    // the work that reads it into an item (off the GUI thread).
    struct RecordJob {
        QString name;
        std::function<std::unique_ptr<RecordItem>(const RecordScaling& scaling)> load;
    };
    // Adds the records the jobs read, as addRecordFiles adds files (the same
    // scaling, names, progress and faults): files, and records of a library.
    void addRecordJobs(const std::vector<RecordJob>& jobs);
    // The properties of the record of the focused check-list entry.
    void editFocusedRecord();
    // The properties of the record at `index`; nothing for a code spectrum.
    void editRecord(int index);

    // The file types of the open dialog: PEER, CSMNC, K-NET/KiK-net, all files.
    static QStringList recordFilters();
    // The local files among dropped ones that are not set files.
    static QStringList droppedRecordFiles(const QMimeData* data);

    // Reads one record file into an item with its spectra computed: the
    // work done for each file off the GUI thread.
    using RecordLoader = std::function<std::unique_ptr<RecordItem>(const QString& path, const RecordScaling& scaling)>;
    static std::unique_ptr<RecordItem> loadRecord(const QString& path, const RecordScaling& scaling);
    // The item of a record read, its spectra computed.
    static std::unique_ptr<RecordItem> makeRecordItem(GroundMotionRecord record, const RecordScaling& scaling);
    // Replaces the loader (tests slow the work down with it).
    void setLoader(RecordLoader loader) { loader_ = std::move(loader); }

private:
    RecordLoader loader_ = loadRecord;
    SpectrumSet& set_;
    InputPanel* inputs_;
    const CheckListBox* list_;
    QWidget* window_;
    QString folder_;
    bool busy_ = false;
};
