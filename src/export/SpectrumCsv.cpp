#include "export/SpectrumCsv.h"

#include "export/SafeFileWriter.h"
#include "records/RecordItem.h"
#include "spectrum/SetItem.h"
#include "spectrum/KavrelSpectrum.h"
#include "spectrum/SpectrumSampling.h"
#include "records/TabulatedCurveItem.h"
#include "text/NarrowText.h"
#include "text/NumberText.h"

#include <QIODevice>

#include <initializer_list>
#include <memory>

namespace {

const char* const LineEnd = "\r\n";

class CsvLines {
public:
    CsvLines(const QLocale& locale, std::size_t expectedSize)
        : locale_(locale),
          point_(toNarrow(locale.decimalPoint())),
          separator_(locale.decimalPoint() == QLatin1String(",") ? ';' : ',')
    {
        // One buffer for the whole file: hundreds of spectra make megabytes.
        out_.reserve(expectedSize);
    }

    // Appends a text that is known to need no quoting.
    void text(const QString& value) { out_ += toNarrow(value); }
    void text(const char* value) { out_ += value; }
    void separator() { out_ += separator_; }
    void endLine() { out_ += LineEnd; }

    void name(const std::string& value)
    {
        if (value.find_first_of(std::string(1, separator_) + "\"\r\n") == std::string::npos) {
            out_ += value;
            return;
        }
        out_ += '"';
        for (const char c : value) {
            if (c == '"')
                out_ += '"';
            out_ += c;
        }
        out_ += '"';
    }

    void general(double value) { text(formatGeneral(value, locale_)); }
    void period(double value) { appendFixed(out_, value, 2, point_); }
    void coefficient(double value) { appendScientific4(out_, value, point_); }

    QByteArray result() const { return QByteArray::fromStdString(out_); }

private:
    const QLocale& locale_;
    const std::string point_;
    const char separator_;
    std::string out_;
};

void heading(CsvLines& csv, std::initializer_list<const char*> columns)
{
    const char* last = *(columns.end() - 1);
    for (const char* column : columns) {
        csv.text(column);
        if (column != last)
            csv.separator();
    }
    csv.endLine();
}

void writeParameterTable(CsvLines& csv, const std::vector<const KavrelSpectrum*>& spectra)
{
    heading(csv, {"ResponseName", "DesignCode", "Alphamax", "Tg(s)", "DampingRatio"});
    for (const KavrelSpectrum* s : spectra) {
        csv.name(s->responseName);
        csv.separator();
        csv.text(s->codeName().c_str());
        csv.separator();
        csv.general(s->alphaMax);
        csv.separator();
        csv.general(s->tg);
        csv.separator();
        csv.general(s->dampingRatio);
        csv.endLine();
    }
}

void writeRecordTable(CsvLines& csv, const std::vector<const RecordItem*>& records)
{
    heading(csv, {"RecordName", "File", "TargetPeak(cm/s^2)", "DampingRatio"});
    for (const RecordItem* r : records) {
        csv.name(r->name());
        csv.separator();
        csv.name(toNarrow(QString::fromStdString(r->record().sourceFileName)));
        csv.separator();
        csv.general(r->usedPeakGal());
        csv.separator();
        csv.general(r->scaling().damping);
        csv.endLine();
    }
}

// A kept mean names the records it was made from, so that the table says
// what the curve is without the set beside it.
void writeCurveTable(CsvLines& csv, const std::vector<const TabulatedCurveItem*>& curves)
{
    heading(csv, {"CurveName", "MeanOfRecords", "DampingRatio"});
    for (const TabulatedCurveItem* c : curves) {
        csv.name(c->name());
        csv.separator();
        std::string records;
        for (const std::string& name : c->recordNames())
            records += (records.empty() ? "" : " + ") + name;
        csv.name(records);
        csv.separator();
        csv.general(c->damping());
        csv.endLine();
    }
}

void writeDataTable(CsvLines& csv, const std::vector<const SetItem*>& items)
{
    csv.separator();
    for (const SetItem* item : items) {
        csv.name(item->name());
        csv.separator();
    }
    csv.endLine();

    csv.text("Period(s)");
    csv.separator();
    for (std::size_t k = 0; k < items.size(); ++k) {
        csv.text("Sa(g)");
        csv.separator();
    }
    csv.endLine();

    // The curves' periods, so that the file holds what the chart draws; every
    // item reaches them all (0 ... 6.0 s).
    const std::vector<double>& periods = curvePeriodList();
    std::vector<std::vector<double>> columns;
    columns.reserve(items.size());
    for (const SetItem* item : items)
        columns.push_back(item->valuesAt(periods));
    for (std::size_t i = 0; i < periods.size(); ++i) {
        csv.period(periods[i]);
        csv.separator();
        for (const std::vector<double>& column : columns) {
            csv.coefficient(i < column.size() ? column[i] : 0.0);
            csv.separator();
        }
        csv.endLine();
    }
}

} // namespace

QByteArray buildSpectrumCsv(const std::vector<const SetItem*>& items, const QLocale& locale)
{
    std::vector<const KavrelSpectrum*> spectra;
    std::vector<const RecordItem*> records;
    std::vector<const TabulatedCurveItem*> curves;
    for (const SetItem* item : items) {
        if (const KavrelSpectrum* spectrum = codeSpectrumOf(*item))
            spectra.push_back(spectrum);
        else if (const RecordItem* record = recordItemOf(*item))
            records.push_back(record);
        else if (const TabulatedCurveItem* curve = tabulatedCurveOf(*item))
            curves.push_back(curve);
    }
    // A data row holds "0.00," and a "0.0000E+00," per item; a little more
    // for the tables' heads, a negative value or a wide separator.
    const auto rows = static_cast<std::size_t>(curvePeriodCount());
    CsvLines csv(locale, 4096 + items.size() * 128 + rows * (8 + items.size() * 12));
    if (!spectra.empty() || (records.empty() && curves.empty())) {
        writeParameterTable(csv, spectra);
        csv.endLine();
    }
    if (!records.empty()) {
        writeRecordTable(csv, records);
        csv.endLine();
    }
    if (!curves.empty()) {
        writeCurveTable(csv, curves);
        csv.endLine();
    }
    writeDataTable(csv, items);
    return csv.result();
}

QByteArray buildSpectrumCsv(const std::vector<const KavrelSpectrum*>& spectra, const QLocale& locale)
{
    std::vector<std::unique_ptr<CodeSpectrumItem>> borrowed;
    std::vector<const SetItem*> items;
    borrowed.reserve(spectra.size());
    items.reserve(spectra.size());
    for (const KavrelSpectrum* spectrum : spectra) {
        borrowed.push_back(CodeSpectrumItem::borrowing(*spectrum));
        items.push_back(borrowed.back().get());
    }
    return buildSpectrumCsv(items, locale);
}

void writeSpectrumCsv(QIODevice* device, const std::vector<const KavrelSpectrum*>& spectra,
                      const QLocale& locale)
{
    writeAllBytes(device, buildSpectrumCsv(spectra, locale));
}

void saveSpectrumCsv(const QString& path, const std::vector<const KavrelSpectrum*>& spectra,
                     const QLocale& locale)
{
    writeFileAtomically(path, buildSpectrumCsv(spectra, locale));
}

void saveSpectrumCsv(const QString& path, const std::vector<const SetItem*>& items, const QLocale& locale)
{
    writeFileAtomically(path, buildSpectrumCsv(items, locale));
}
