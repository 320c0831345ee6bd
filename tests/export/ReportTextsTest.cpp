#include "export/PictureFormat.h"
#include "export/ReportPage.h"
#include "export/TableText.h"
#include "spectrum/KavrelSpectrum.h"
#include "spectrum/SpectrumSet.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

TEST(PictureFormatTest, TheTypedExtensionWinsOverTheChosenType)
{
    const QString bmp = "Bitmaps (*.bmp)", png = "PNG Pictures (*.png)", svg = "SVG Drawings (*.svg)",
                  pdf = "PDF Documents (*.pdf)";
    EXPECT_EQ(pictureFilters(), (QStringList{bmp, png, svg, pdf}));
    EXPECT_EQ(pictureFormatFor("/a/Spectrum.png", bmp), PictureFormat::Png);
    EXPECT_EQ(pictureFormatFor("/a/Spectrum.SVG", bmp), PictureFormat::Svg);
    EXPECT_EQ(pictureFormatFor("/a/Spectrum.bmp", pdf), PictureFormat::Bmp);
    // No known extension: the chosen type, or the bitmap when none is known.
    EXPECT_EQ(pictureFormatFor("/a/Spectrum", pdf), PictureFormat::Pdf);
    EXPECT_EQ(pictureFormatFor("/a.png/Spectrum.v2", svg), PictureFormat::Svg);
    EXPECT_EQ(pictureFormatFor("/a/Spectrum", QString()), PictureFormat::Bmp);
    EXPECT_EQ(pictureFormatFor("/a/Spectrum", "Anything (*.jpg)"), PictureFormat::Bmp);
}

TEST(TableTextTest, TabsAndHtmlKeepEveryCellWhereItWas)
{
    const QList<QStringList> rows{{" Name", "0", "0.05"}, {"A\tB", "0.040000", ""}, {"<R&D>", "1", "x\r\ny"}};
    EXPECT_EQ(tabSeparatedText(rows), " Name\t0\t0.05\nA B\t0.040000\t\n<R&D>\t1\tx  y\n");
    EXPECT_EQ(tabSeparatedText({}), "");

    const QString html = htmlTable(rows, true);
    EXPECT_TRUE(html.contains("<meta charset=\"utf-8\">"));
    EXPECT_TRUE(html.contains("<tr><th> Name</th><th>0</th><th>0.05</th></tr>"));
    EXPECT_TRUE(html.contains("<tr><td>A\tB</td><td>0.040000</td><td></td></tr>"));
    EXPECT_TRUE(html.contains("<tr><td>&lt;R&amp;D&gt;</td>"));
    EXPECT_FALSE(htmlTable(rows, false).contains("<th>"));
}

TEST(ReportPageTest, ParameterTableListsOnlyTheDrawnSpectra)
{
    SpectrumSet set;
    set.add(std::make_unique<KavrelSpectrum>("A", 0.08, 0.35, 0.05, 0));
    set.add(std::make_unique<KavrelSpectrum>("B", 0.16, 0.4, 0.03, 1));
    set.add(std::make_unique<KavrelSpectrum>("C", 1, 0.9, 0.02, 2));
    // What counts is the curve, not the check mark: B's mark stays set.
    const QList<QStringList> table = parameterTable(set, {true, false, true});
    ASSERT_EQ(table.size(), 3);
    EXPECT_EQ(table[0], (QStringList{"Name", "Design Code", "AlphaMax", "Tg (s)", "Damping Ratio"}));
    EXPECT_EQ(table[1], (QStringList{"A", "GB 50011-2010", "0.08", "0.35", "0.05"}));
    EXPECT_EQ(table[2], (QStringList{"C", "GB/T 51408-2021", "1", "0.9", "0.02"}));
    // Too short a list leaves the rest out rather than reading past it.
    EXPECT_EQ(parameterTable(set, {false, true}).size(), 2);
    EXPECT_EQ(parameterTable(set, {}).size(), 1);
}

TEST(ReportPageTest, ChartAcrossTheTopTableBelowAllOnThePage)
{
    const QRectF page(0, 0, 1100, 800);
    const auto within = [&page](const QRectF& r) { return page.adjusted(-1e-9, -1e-9, 1e-9, 1e-9).contains(r); };

    // A wide chart takes the whole width, its shape kept.
    ReportLayout wide = layoutReportPage(page, QSizeF(857, 353), 3, 20, 10);
    EXPECT_DOUBLE_EQ(wide.chart.width(), 1100);
    EXPECT_NEAR(wide.chart.height(), 1100 * 353.0 / 857, 1e-9);
    EXPECT_DOUBLE_EQ(wide.table.top(), wide.chart.bottom() + 10);
    EXPECT_DOUBLE_EQ(wide.table.height(), 60);
    EXPECT_TRUE(within(wide.chart) && within(wide.table));
    EXPECT_EQ(wide.cell(2, 4).right(), 1100);
    EXPECT_EQ(wide.cell(1, 0), QRectF(0, wide.table.top() + 20, 1100 * 0.28, 20));

    // A tall chart shrinks to leave room for the table, centred.
    ReportLayout tall = layoutReportPage(page, QSizeF(400, 400), 10, 20, 10);
    EXPECT_DOUBLE_EQ(tall.chart.height(), 800 - 200 - 10);
    EXPECT_DOUBLE_EQ(tall.chart.width(), tall.chart.height());
    EXPECT_DOUBLE_EQ(tall.chart.center().x(), 550);
    EXPECT_DOUBLE_EQ(tall.table.bottom(), 800);

    // Many spectra: lower rows, never more than half the page.
    ReportLayout many = layoutReportPage(page, QSizeF(857, 353), 101, 20, 10);
    EXPECT_DOUBLE_EQ(many.table.height(), 400);
    EXPECT_DOUBLE_EQ(many.rowHeight, 400.0 / 101);
    EXPECT_TRUE(within(many.chart) && within(many.table));
    EXPECT_LE(many.chart.bottom() + 10, many.table.top() + 1e-9);
}
