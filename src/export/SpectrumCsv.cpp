#include "export/SpectrumCsv.h"

#include "export/SafeFileWriter.h"
#include "spectrum/KavrelSpectrum.h"
#include "spectrum/SpectrumSampling.h"
#include "text/NarrowText.h"
#include "text/NumberText.h"

#include <QIODevice>

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

void writeParameterTable(CsvLines& csv, const std::vector<const KavrelSpectrum*>& spectra)
{
    for (const char* column : {"ResponseName", "DesignCode", "Alphamax", "Tg(s)"}) {
        csv.text(column);
        csv.separator();
    }
    csv.text("DampingRatio");
    csv.endLine();
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

void writeDataTable(CsvLines& csv, const std::vector<const KavrelSpectrum*>& spectra)
{
    csv.separator();
    for (const KavrelSpectrum* s : spectra) {
        csv.name(s->responseName);
        csv.separator();
    }
    csv.endLine();

    csv.text("Period(s)");
    csv.separator();
    for (std::size_t k = 0; k < spectra.size(); ++k) {
        csv.text("Sa(g)");
        csv.separator();
    }
    csv.endLine();

    // The curves' periods, so that the file holds what the chart draws.
    const int count = curvePeriodCount();
    for (int i = 0; i < count; ++i) {
        const double period = curvePeriod(i);
        csv.period(period);
        csv.separator();
        for (const KavrelSpectrum* s : spectra) {
            // Every period lies within 0 ... 6.0 s, which alphaAt always takes.
            double alpha = 0.0;
            s->alphaAt(period, alpha);
            csv.coefficient(alpha);
            csv.separator();
        }
        csv.endLine();
    }
}

} // namespace

QByteArray buildSpectrumCsv(const std::vector<const KavrelSpectrum*>& spectra, const QLocale& locale)
{
    // A data row holds "0.00," and a "0.0000E+00," per spectrum; a little
    // more for the tables' heads, a negative value or a wide separator.
    const auto rows = static_cast<std::size_t>(curvePeriodCount());
    CsvLines csv(locale, 4096 + spectra.size() * 128 + rows * (8 + spectra.size() * 12));
    writeParameterTable(csv, spectra);
    csv.endLine();
    writeDataTable(csv, spectra);
    return csv.result();
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
