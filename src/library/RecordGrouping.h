#pragma once

#include "library/HeaderFacts.h"
#include "library/SearchResults.h"

#include <QString>

#include <vector>

// Which recording each component file belongs to and which component it is,
// by the first rule that applies:
//   1. a PEER table (_SearchResults.csv) in the file's folder or zip names it
//      in a row's Horizontal-1, Horizontal-2 or Vertical column: recording
//      "RSN<n>", component H1, H2 or V;
//   2. a name starting "RSN<n>_": the files of that <n> in one folder;
//   3. a K-NET name <station><yymmddhhmm>.NS/.EW/.UD (NS is H1, EW is H2, UD
//      is V); KiK-net's .NS1/.EW1/.UD1 (recording "<name>-borehole") and
//      .NS2/.EW2/.UD2 ("<name>-surface") are two recordings;
//   4. the header: CSMNC files of one recording code and event, PEER files
//      of one event, date and station, in one folder;
//   5. otherwise the file is a recording of one component.
// Without a table's column, the vertical is the file whose name (less its
// suffix) ends "UP", "-UP", "DWN", "-V" or "V1", or whose CSMNC component is
// UD; the horizontals take H1, H2, ... in the order of their names.

struct ComponentFile {
    QString path;  // relative to its library folder, "/" between parts; a zip member "a.zip/member"
    RecordLayout layout = RecordLayout::Columns;
    HeaderFacts facts;
};

struct SearchResultsSource {
    QString path;  // the table's own path, as a component file's
    std::vector<SearchResultsRow> rows;
};

struct ComponentPlace {
    QString recording;
    QString component;                       // "H1", "H2", "V" (more: "H3", "V2")
    const SearchResultsRow* row = nullptr;  // the table's row of the recording, if any
};

// One place per file, in the order of `files`. The rows point into `tables`.
std::vector<ComponentPlace> groupComponents(const std::vector<ComponentFile>& files,
                                            const std::vector<SearchResultsSource>& tables);

// True for a file name (with or without its suffix) that rule 5's vertical
// endings mark.
bool hasVerticalEnding(const QString& fileName);
