#include "WorkbookServerFixture.h"

#include "excel/ExcelToolkit.h"
#include "text/NarrowText.h"
#include "text/NumberText.h"

namespace {

class WorkbookCells : public WorkbookServer {
protected:
    void SetUp() override { startWithSheet(); }

    // What the cell holds, written as the export writes it.
    Variant roundTrip(const std::string& text)
    {
        setCellText(sheet, 3, 4, text);
        return getProperty(getWithInts(sheet, "Cells", 3, 4), "Value");
    }
};

void expectNumber(const Variant& value, double expected, const std::string& text)
{
    ASSERT_EQ(value.type(), Variant::Type::Double) << "\"" << text << "\" should be stored as a number";
    EXPECT_EQ(value.doubleValue(), expected) << text;
}

void expectText(const Variant& value, const std::u16string& expected)
{
    ASSERT_EQ(value.type(), Variant::Type::Text);
    EXPECT_EQ(value.textValue(), expected);
}

} // namespace

TEST_F(WorkbookCells, NumberTextsWithAPointBecomeNumbersInAPointLocale)
{
    const ScopedLocale english(QLocale(QLocale::English, QLocale::UnitedStates));
    expectNumber(roundTrip("0.0225"), 0.0225, "0.0225");
    expectNumber(roundTrip("6"), 6.0, "6");
    expectNumber(roundTrip("-0.5"), -0.5, "-0.5");
    expectNumber(roundTrip("1E-5"), 1e-5, "1E-5");
    expectNumber(roundTrip(" 2.5 "), 2.5, " 2.5 ");
    expectText(roundTrip("0,5"), u"0,5");
    expectText(roundTrip("1,000"), u"1,000");
    expectText(roundTrip("X"), u"X");
    expectText(roundTrip("Spectral Accleration,Sa (g)"), u"Spectral Accleration,Sa (g)");
}

TEST_F(WorkbookCells, NumberTextsWithACommaBecomeNumbersInACommaLocale)
{
    const ScopedLocale german(QLocale(QLocale::German, QLocale::Germany));
    expectNumber(roundTrip("0,0225"), 0.0225, "0,0225");
    expectNumber(roundTrip("-1,5E-5"), -1.5e-5, "-1,5E-5");
    expectText(roundTrip("0.5"), u"0.5");
}

TEST_F(WorkbookCells, EveryGeneralNumberTextReadsBackAsTheSameNumber)
{
    // Swedish writes its minus sign as U+2212.
    for (const QLocale& locale : {QLocale(QLocale::English), QLocale(QLocale::French, QLocale::France),
                                  QLocale(QLocale::Swedish, QLocale::Sweden)}) {
        const ScopedLocale scoped(locale);
        for (const double value : {0.07, 0.0225, 0.09, 0.333333333333333, 6.0, 5e-5, -1.5e-7, -0.25, 123456789012345.0}) {
            const std::string text = toNarrow(formatGeneral(value));
            const Variant stored = roundTrip(text);
            ASSERT_EQ(stored.type(), Variant::Type::Double) << text;
            EXPECT_EQ(stored.doubleValue(), value) << text;
        }
    }
}

TEST_F(WorkbookCells, EmptyTextEmptiesACellAndOtherValuesKeepTheirKind)
{
    setCellText(sheet, 1, 1, "text");
    setCellText(sheet, 1, 1, "");
    EXPECT_TRUE(getProperty(getWithInts(sheet, "Cells", 1, 1), "Value").isEmpty());

    const Variant cell = getWithInts(sheet, "Cells", 2, 2);
    putInt(cell, "Value", 42);
    expectNumber(getProperty(cell, "Value"), 42.0, "42");
    putBool(cell, "Value", true);
    EXPECT_EQ(getProperty(cell, "Value").type(), Variant::Type::Bool);
    setProperty(cell, "Value", Variant());
    EXPECT_TRUE(getProperty(cell, "Value").isEmpty());
}

TEST_F(WorkbookCells, CellPositionsAreInPointsFromTheDefaultCellSize)
{
    EXPECT_EQ(cellLeft(sheet, 5, 3), 96);
    EXPECT_EQ(cellTop(sheet, 5, 3), 60);
    EXPECT_EQ(cellLeft(sheet, 1, 1), 0);
    EXPECT_EQ(cellTop(sheet, 1, 1), 0);
    EXPECT_EQ(cellLeft(sheet, 1, 16384), 16383 * 48);
    EXPECT_EQ(cellTop(sheet, 1048576, 1), 1048575 * 15);
}

TEST_F(WorkbookCells, CellsTakesItsPositionAs16BitOr32BitIntegers)
{
    // Written with 16-bit positions, read back with 32-bit ones.
    setCellText(sheet, 32767, 300, "far");
    expectText(getProperty(getWithInts(sheet, "Cells", 32767, 300), "Value"), u"far");
    EXPECT_TRUE(getProperty(getWithShorts(sheet, "Cells", 2, 2), "Value").isEmpty());
}

TEST_F(WorkbookCells, AFailedWriteLeavesTheCellAsItWas)
{
    setCellText(sheet, 1, 1, "kept");
    const std::string tooLong(32768, 'x');
    const AutomationError error = errorOf([&] { setCellText(sheet, 1, 1, tooLong); });
    EXPECT_EQ(error.code(), ApplicationDefinedError);
    EXPECT_TRUE(error.message().contains(QStringLiteral("32767"))) << error.message().toStdString();
    expectText(getProperty(getWithInts(sheet, "Cells", 1, 1), "Value"), u"kept");
    EXPECT_NO_THROW(setCellText(sheet, 1, 1, std::string(32767, 'x')));
}
