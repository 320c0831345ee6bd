#pragma once

#include "library/RecordingMetadata.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

// PEER's "_SearchResults.csv", which comes with every download of its
// NGA-West2 records: the "Summary of Metadata of Selected Records" table, one
// row a recording, naming the files of its components. Two dialects are read:
// the current one (", " between fields, text fields in quotes) and an older
// one that pads every line with commas and wraps every field once more in
// quotes, doubling those inside (`" ""Landers"""`).

// The name PEER's download gives the table's file.
inline constexpr char searchResultsFileName[] = "_SearchResults.csv";

// True for a file name a library takes for such a table.
bool isSearchResultsName(const QString& fileName);

struct SearchResultsRow {
    int sequenceNumber = 0;  // the record sequence number, RSN
    RecordingMetadata metadata;
    // Published figures, for comparison with the program's own.
    std::optional<double> d5_95;
    std::optional<double> ariasMetresPerSecond;
    // The components' file names; empty where the table gives none ("-----").
    QString horizontal1;
    QString horizontal2;
    QString vertical;
};

// The rows of the table in `bytes`. Throws LibraryError naming `fileName`
// when the file has no such table or a row no sequence number.
std::vector<SearchResultsRow> parseSearchResults(const QByteArray& bytes, const QString& fileName);
