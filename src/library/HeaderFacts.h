#pragma once

#include "library/RecordingMetadata.h"
#include "records/GroundMotionRecord.h"

#include <QByteArray>
#include <QString>

#include <optional>

// What a record file's own header says of its recording, where its layout
// has it; unknown stays empty, never 0.
//   PEER NGA  line 2: "Event, m/d/yyyy, Station, component"
//   K-NET     "Origin Time", "Mag.", "Station Code", "Station Lat.", "Station Long."
//   CSMNC     line 1 the recording's code (its first six characters the
//             station's), line 2 the time ("2013-04-20 8:2:46"), line 3 the
//             event, "COMP. EW" the component
struct HeaderFacts {
    RecordingMetadata metadata;  // event, year, station, magnitude
    QString place;
    // The same for every component of one recording (PEER and CSMNC), empty
    // where the header gives none; with `code`, the recording's name.
    QString recordingKey;
    QString code;
    // The component as the header names it ("EW", "UP", "228"); empty if none.
    QString componentWord;
};

HeaderFacts headerFacts(const QByteArray& bytes, RecordLayout layout);
