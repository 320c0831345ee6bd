#include "excel/workbook/SheetObjects.h"

#include "excel/workbook/ChartObjects.h"
#include "text/NumberText.h"

namespace wb {

const std::vector<Member<Workbook>>& Workbook::members()
{
    static const std::vector<Member<Workbook>> table = {
        {"Sheets", Get, 1, 1, &Workbook::sheets},
    };
    return table;
}

void Workbook::sheets(const Call& call)
{
    BookData& book = handle_.book();
    SheetData* sheet = nullptr;
    if (call.arg(0).type() == Variant::Type::Text) {
        const QString name = QString::fromStdU16String(call.arg(0).textValue());
        sheet = book.findSheet(name);
        if (!sheet)
            fail(QStringLiteral("The workbook %1 has no sheet named \"%2\".").arg(book.name, name));
    } else {
        const std::int32_t index = call.intArg(0);
        if (index < 1 || static_cast<std::size_t>(index) > book.sheets.size())
            fail(QStringLiteral("The workbook %1 has no sheet %2; its sheets are numbered from 1 to %3.")
                     .arg(book.name)
                     .arg(index)
                     .arg(book.sheets.size()));
        sheet = book.sheets[static_cast<std::size_t>(index) - 1].get();
    }
    answerObject<Worksheet>(call, *sheet);
}

const std::vector<Member<Worksheet>>& Worksheet::members()
{
    static const std::vector<Member<Worksheet>> table = {
        {"Cells", Get, 2, 2, &Worksheet::cells},
        {"Shapes", Get, 0, 0, &Worksheet::shapes},
    };
    return table;
}

void Worksheet::cells(const Call& call)
{
    const std::int32_t row = call.intArg(0);
    const std::int32_t column = call.intArg(1);
    if (row < 1 || row > xl::MaxRows || column < 1 || column > xl::MaxColumns)
        fail(QStringLiteral("Cells(%1, %2) lies outside the sheet: rows run from 1 to %3 and columns from 1 to %4.")
                 .arg(row)
                 .arg(column)
                 .arg(xl::MaxRows)
                 .arg(xl::MaxColumns));
    answerObject<Range>(call, sheet_, row, column);
}

void Worksheet::shapes(const Call& call)
{
    answerObject<Shapes>(call, sheet_);
}

const std::vector<Member<Range>>& Range::members()
{
    static const std::vector<Member<Range>> table = {
        {"Value", Get | Put, 0, 0, &Range::value},
        {"Left", Get, 0, 0, &Range::left},
        {"Top", Get, 0, 0, &Range::top},
    };
    return table;
}

void Range::value(const Call& call)
{
    if (!call.isPut()) {
        const CellData* cell = sheet_.cell(row_, column_);
        if (!cell)
            call.answer(Variant());
        else if (cell->kind == CellData::Kind::Text)
            call.answer(Variant::fromText(cell->text.toStdU16String()));
        else if (cell->kind == CellData::Kind::Boolean)
            call.answer(Variant::fromBool(cell->number != 0));
        else
            call.answer(Variant::fromDouble(cell->number));
        return;
    }

    const Variant& value = call.value();
    switch (value.type()) {
    case Variant::Type::Empty:
        sheet_.clearCell(row_, column_);
        return;
    case Variant::Type::Text: {
        // As the application does, a text that reads as a number in the
        // user's locale becomes that number.
        const std::u16string& text = value.textValue();
        double number = 0;
        if (text.empty())
            sheet_.clearCell(row_, column_);
        else if (parseLocaleDouble(QStringView(text), number))
            sheet_.setCell(row_, column_, {CellData::Kind::Number, number, {}});
        else if (text.size() > static_cast<std::size_t>(xl::MaxCellText))
            fail(QStringLiteral("A cell holds at most %1 characters; the text has %2.")
                     .arg(xl::MaxCellText)
                     .arg(text.size()));
        else
            sheet_.setCell(row_, column_, {CellData::Kind::Text, 0, QString::fromStdU16String(text)});
        return;
    }
    case Variant::Type::Bool:
        sheet_.setCell(row_, column_, {CellData::Kind::Boolean, call.boolValue() ? 1.0 : 0.0, {}});
        return;
    case Variant::Type::Object:
        fail(hresult::TypeMismatch, QStringLiteral("A cell holds a number, a text or a truth value, not an object."));
    default:
        sheet_.setCell(row_, column_, {CellData::Kind::Number, call.numberValue(), {}});
        return;
    }
}

void Range::left(const Call& call)
{
    call.answer(Variant::fromDouble((column_ - 1) * xl::ColumnWidth));
}

void Range::top(const Call& call)
{
    call.answer(Variant::fromDouble((row_ - 1) * xl::RowHeight));
}

const std::vector<Member<Shapes>>& Shapes::members()
{
    static const std::vector<Member<Shapes>> table = {
        {"AddChart2", Method, 2, 2, &Shapes::addChart2},
    };
    return table;
}

void Shapes::addChart2(const Call& call)
{
    const std::int32_t style = call.intArg(0);
    const std::int32_t type = call.intArg(1);
    requireScatterType(type);
    auto shape = std::make_unique<ChartShapeData>();
    shape->chart.style = style;
    shape->chart.type = type;
    sheet_.charts.push_back(std::move(shape));
    answerObject<ChartObject>(call, *sheet_.charts.back());
}

const std::vector<Member<ChartObject>>& ChartObject::members()
{
    static const std::vector<Member<ChartObject>> table = {
        {"Left", Get | Put, 0, 0, &ChartObject::left},
        {"Top", Get | Put, 0, 0, &ChartObject::top},
        {"Width", Get | Put, 0, 0, &ChartObject::width},
        {"Height", Get | Put, 0, 0, &ChartObject::height},
        {"Select", Method, 0, 0, &ChartObject::select},
    };
    return table;
}

void ChartObject::measure(const Call& call, double& field, double limit)
{
    if (!call.isPut()) {
        call.answer(Variant::fromDouble(field));
        return;
    }
    const double value = call.numberValue();
    if (value < 0 || value > limit)
        fail(QStringLiteral("The chart object's %1 must lie from 0 to %2 points, not %3.")
                 .arg(QLatin1String(call.member()), shortestQString(limit),
                      shortestQString(value)));
    field = value;
}

void ChartObject::left(const Call& call)
{
    measure(call, shape_.left, (xl::MaxColumns - 1) * xl::ColumnWidth);
}

void ChartObject::top(const Call& call)
{
    measure(call, shape_.top, (xl::MaxRows - 1) * xl::RowHeight);
}

void ChartObject::width(const Call& call)
{
    measure(call, shape_.width, xl::MaxColumns * xl::ColumnWidth);
}

void ChartObject::height(const Call& call)
{
    measure(call, shape_.height, xl::MaxRows * xl::RowHeight);
}

void ChartObject::select(const Call& call)
{
    handle_.application().selectChart(handle_.book(), shape_.chart);
    call.answer(Variant::fromBool(true));
}

} // namespace wb
