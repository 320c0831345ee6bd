#pragma once

#include "library/LibraryCatalogue.h"
#include "ui/SetViews.h"

#include <QObject>
#include <QPointer>

#include <vector>

class CheckListBox;
class RecordCommands;
class RecordLibraryWindow;
class SpectrumSet;

// File > Record Library...: opens the library window, keeps offering it the
// code spectrum with the check list's focus (else the set's first), and adds
// the components it chooses to the set as Add Records adds files.
class LibraryCommands : public QObject {
    Q_OBJECT
public:
    LibraryCommands(SpectrumSet& set, const CheckListBox* list, RecordCommands& records, QWidget* window);
    ~LibraryCommands() override;

    void openRecordLibrary();
    // Null while the window is not open.
    RecordLibraryWindow* window() const { return window_; }

    // Reads the components from their files (a zip's members in place) and
    // adds them, scaled as Add Records scales.
    void addComponents(const std::vector<CatalogueComponent>& components);

private:
    void offerTarget();

    SpectrumSet& set_;
    const CheckListBox* list_;
    RecordCommands& records_;
    QWidget* owner_;
    QPointer<RecordLibraryWindow> window_;
    SetChangeNotifier setChanged_;
};
