#pragma once

#include <QByteArray>
#include <QLocale>
#include <QString>
#include <vector>

class KavrelSpectrum;
class QIODevice;
class SetItem;

// The data file of Save Data: a parameter table with one row per code
// spectrum, an empty line, then all items side by side at the 601 periods
// 0.00 ... 6.00 s (a name row, a label row, one row per period). Records add
// a table of their own between the two (name, file, the peak they are scaled
// to in cm/s^2, damping), followed by an empty line, and tabulated curves one
// after that (name, the records it is the mean of joined by " + ", damping);
// a list without code spectra has only those tables. A list of code spectra
// alone gives the same bytes as ever. Every line
// ends with CR LF, the last one too; there is no byte-order mark. Names are
// written as their narrow bytes; numbers use `locale`'s decimal separator.
//
// Fields are separated by ",", or by ";" when the locale's decimal separator
// is a comma, so that numbers stay one field each. A name holding the
// separator, a double quote or a line break is written in double quotes with
// its quotes doubled; other names are written as they are.

// The complete file content for `items`, in the given order.
QByteArray buildSpectrumCsv(const std::vector<const SetItem*>& items, const QLocale& locale = QLocale());
// The same for code spectra alone.
QByteArray buildSpectrumCsv(const std::vector<const KavrelSpectrum*>& spectra,
                            const QLocale& locale = QLocale());

// Writes that content to the open `device`. Throws KavrelError
// "Stream write error" when the device does not take all of it.
void writeSpectrumCsv(QIODevice* device, const std::vector<const KavrelSpectrum*>& spectra,
                      const QLocale& locale = QLocale());

// Creates or replaces the file at `path` with that content, leaving an
// existing file as it was on failure. Throws KavrelError
// "Cannot create file "<full path>". <reason>" or "Stream write error".
void saveSpectrumCsv(const QString& path, const std::vector<const KavrelSpectrum*>& spectra,
                     const QLocale& locale = QLocale());
void saveSpectrumCsv(const QString& path, const std::vector<const SetItem*>& items,
                     const QLocale& locale = QLocale());
