#include "export/TableText.h"

QString tabSeparatedText(const QList<QStringList>& rows)
{
    QString text;
    for (const QStringList& row : rows) {
        for (qsizetype i = 0; i < row.size(); ++i) {
            if (i > 0)
                text += QLatin1Char('\t');
            QString cell = row[i];
            for (QChar& c : cell) {
                if (c == QLatin1Char('\t') || c == QLatin1Char('\n') || c == QLatin1Char('\r'))
                    c = QLatin1Char(' ');
            }
            text += cell;
        }
        text += QLatin1Char('\n');
    }
    return text;
}

QString htmlTable(const QList<QStringList>& rows, bool headerRow)
{
    QString html = QStringLiteral("<html><head><meta charset=\"utf-8\"></head><body>"
                                  "<table border=\"1\" cellspacing=\"0\" cellpadding=\"2\">");
    for (qsizetype r = 0; r < rows.size(); ++r) {
        const QLatin1String cell(headerRow && r == 0 ? "th" : "td");
        html += QStringLiteral("<tr>");
        for (const QString& text : rows[r])
            html += QLatin1Char('<') + cell + QLatin1Char('>') + text.toHtmlEscaped() + QStringLiteral("</")
                    + cell + QLatin1Char('>');
        html += QStringLiteral("</tr>");
    }
    html += QStringLiteral("</table></body></html>");
    return html;
}
