#pragma once

#include "library/LibraryCatalogue.h"
#include "library/LibraryIndexer.h"
#include "library/LibraryPlaces.h"
#include "ui/JobProgress.h"
#include "ui/Retranslator.h"

#include <QDialog>
#include <QList>
#include <QPointF>
#include <QPointer>
#include <QString>

#include <memory>
#include <vector>

class ChartControl;
class LibraryIndex;
class LibraryTableModel;
class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QSortFilterProxyModel;
class QTableView;
class QThread;

// File > Record Library...: the user's record folders, their index brought
// up to date on a worker thread (the other windows stay usable), the
// components listed and filtered, the chosen ones' spectra drawn against a
// code spectrum, and Add to Set. The window knows nothing of the set: it is
// given the target curve and asks for the chosen components to be added.
// The folders and the index's file are kept in the user's settings.
class RecordLibraryWindow : public QDialog {
    Q_OBJECT
public:
    explicit RecordLibraryWindow(QWidget* parent = nullptr);
    ~RecordLibraryWindow() override;

    // The code spectrum the spectra are drawn against; an empty name: none.
    void setTarget(const QString& name, const QList<QPointF>& points);

    const LibraryPlaces& places() const { return places_; }
    // Adds a folder or zip archive (once) and keeps it.
    void addFolder(const QString& path);
    void removeChosenFolders();
    void setIndexPath(const QString& path);

    // Brings the index up to date; refused while a run is under way.
    void indexNow();
    bool isIndexing() const { return worker_ != nullptr; }
    // The progress window of the run; null when none runs.
    JobProgress* progress() const { return progress_; }
    // The last run's summary, as shown.
    QString summary() const;

    LibraryTableModel* model() const { return model_; }
    QTableView* table() const { return table_; }
    ChartControl* chart() const { return chart_; }
    // The components of the chosen rows, in the table's order.
    std::vector<CatalogueComponent> chosenComponents() const;
    // Tells the window's owner to add the chosen components to the set.
    void addChosenToSet();

signals:
    void addToSetRequested(const std::vector<CatalogueComponent>& components);
    void indexingFinished();

protected:
    void changeEvent(QEvent* event) override;

private:
    struct Run;

    QWidget* buildPlaces();
    QWidget* buildFilter();
    void keepPlaces();
    void showFolders();
    void chooseFolder();
    void chooseIndexFile();
    void finishRun();
    void loadCatalogue();
    void applyFilter();
    void drawChart();
    void tell(const QString& text);

    LibraryPlaces places_;
    std::unique_ptr<LibraryIndex> index_;  // for reading; closed while a run writes
    QThread* worker_ = nullptr;
    std::shared_ptr<Run> run_;
    QPointer<JobProgress> progress_;
    QString summary_;
    QString folderDialogPlace_;
    QString targetName_;
    QList<QPointF> targetPoints_;

    QListWidget* folders_ = nullptr;
    QLineEdit* indexFile_ = nullptr;
    QPushButton* indexButton_ = nullptr;
    QPlainTextEdit* summaryView_ = nullptr;
    QLineEdit* text_ = nullptr;
    QLineEdit* limits_[6] = {};  // magnitude, Rjb, Vs30: at least, at most
    QCheckBox* includeUnknown_ = nullptr;
    QLabel* status_ = nullptr;
    LibraryTableModel* model_ = nullptr;
    QSortFilterProxyModel* sorted_ = nullptr;
    QTableView* table_ = nullptr;
    ChartControl* chart_ = nullptr;
    QPushButton* addButton_ = nullptr;
    Retranslator texts_;
};
