#pragma once

#include "common/KavrelError.h"
#include "records/GroundMotionRecord.h"

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <optional>

// Reading a ground-motion record file, in one of the layouts the agencies
// publish or as plain columns of numbers:
//
//   PEER NGA (.AT2)  four header lines; line 3 names the unit ("UNITS OF G");
//                    line 4 the count and step, "NPTS=  16396, DT=   0.005 SEC",
//                    "NPTS=   7814, DT=   .0050 SEC," or "  3930 0.00500 NPTS, DT";
//                    then the values, any number per line.
//   CSMNC            the network's header ("UNIT: CM/SEC/SEC", "NO. OF POINTS:
//                    12000  EQUALLY SPACED INTERVALS OF:  0.005  SEC", ...), a
//                    blank line, then the values.
//   K-NET/KiK-net    17 header lines of an 18-character label and its value
//                    ("Sampling Freq(Hz)  100Hz", "Scale Factor  3920(gal)/6182761"),
//                    then integer counts: gal = count x the factor, less the
//                    record's mean, as the network's documentation instructs.
//   plain columns    blanks, tabs or commas between numbers; lines starting with
//                    "#" or "$" and a first line of words are skipped. With a
//                    step given, every number is a value (one or more a line);
//                    without, two columns "time value" at equal steps.
//
// Detected from the content unless named: a file whose header is none of the
// first three is read as plain columns. Values are taken as read: no filter,
// no baseline change, except the K-NET mean the layout itself asks for.

// Every refusal: one message that names the file first ("\"f.AT2\": ...")
// and says what is wrong.
class RecordReadError : public KavrelError {
public:
    using KavrelError::KavrelError;
};

// More values than any record holds; keeps a wrong file from filling memory.
constexpr std::size_t maxRecordValues = 10000000;
// Bytes of a record file read at most: 10,000,000 values in any layout's text.
constexpr std::size_t maxRecordFileBytes = 256u * 1024u * 1024u;

struct RecordReadOptions {
    std::optional<RecordLayout> layout;  // nothing: detected from the content
    // Plain columns only: the step in seconds (then every number is a value)
    // and the unit of the values.
    std::optional<double> step;
    AccelerationUnit unit = AccelerationUnit::G;
};

// The record in `bytes`, the content of the file `fileName` (a name without
// its folder, for the messages and the record's name). Throws RecordReadError.
GroundMotionRecord parseRecord(const QByteArray& bytes, const QString& fileName,
                               const RecordReadOptions& options = {});

// Reads the file at `path` (a regular file of at most maxRecordFileBytes; a
// FIFO or a device is refused without being opened for a wait) and parses it.
// Throws RecordReadError, with the system's reason where the file cannot be read.
GroundMotionRecord readRecordFile(const QString& path, const RecordReadOptions& options = {});
