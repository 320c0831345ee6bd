#include "ui/LibraryCommands.h"

#include "library/LibrarySources.h"
#include "records/RecordReader.h"
#include "spectrum/SpectrumSet.h"
#include "text/NarrowText.h"
#include "ui/CheckListBox.h"
#include "ui/KavrelApplication.h"
#include "ui/RecordCommands.h"
#include "ui/RecordLibraryWindow.h"

LibraryCommands::LibraryCommands(SpectrumSet& set, const CheckListBox* list, RecordCommands& records, QWidget* window)
    : QObject(window), set_(set), list_(list), records_(records), owner_(window), setChanged_([this] {
          if (window_)
              offerTarget();
      })
{
    set_.addListener(&setChanged_);
    connect(list_, &QListWidget::currentRowChanged, this, [this] {
        if (window_)
            offerTarget();
    });
}

LibraryCommands::~LibraryCommands()
{
    set_.removeListener(&setChanged_);
}

void LibraryCommands::openRecordLibrary()
{
    if (!window_) {
        window_ = new RecordLibraryWindow(owner_);
        window_->setAttribute(Qt::WA_DeleteOnClose);
        connect(window_, &RecordLibraryWindow::addToSetRequested, this,
                [this](const std::vector<CatalogueComponent>& components) {
                    guarded([&] { addComponents(components); })();
                });
    }
    offerTarget();
    window_->show();
    window_->raise();
    window_->activateWindow();
}

void LibraryCommands::offerTarget()
{
    const int focused = list_->currentEntry();
    int chosen = focused >= 0 && focused < set_.size() && set_.spectrumAt(focused) ? focused : -1;
    for (int i = 0; chosen < 0 && i < set_.size(); ++i) {
        if (set_.spectrumAt(i))
            chosen = i;
    }
    if (chosen < 0) {
        window_->setTarget(QString(), {});
        return;
    }
    const SetItem& item = set_.item(chosen);
    window_->setTarget(fromNarrow(item.name()), ChartFollowsSet::curvePoints(item));
}

void LibraryCommands::addComponents(const std::vector<CatalogueComponent>& components)
{
    std::vector<RecordCommands::RecordJob> jobs;
    for (const CatalogueComponent& c : components) {
        const SourceFile source = sourceOf(c);
        const QString fileName = c.path.mid(c.path.lastIndexOf(QLatin1Char('/')) + 1);
        jobs.push_back({c.path, [source, fileName](const RecordScaling& scaling) {
                            SourceReader reader;
                            return RecordCommands::makeRecordItem(parseRecord(reader.read(source), fileName), scaling);
                        }});
    }
    records_.addRecordJobs(jobs);
}
