#include "text/NarrowText.h"

std::string toNarrow(const QString& text)
{
    return text.toLocal8Bit().toStdString();
}

QString fromNarrow(const std::string& text)
{
    return QString::fromLocal8Bit(text.data(), static_cast<qsizetype>(text.size()));
}

std::u16string widenNarrow(const std::string& text)
{
    return fromNarrow(text).toStdU16String();
}

std::string narrowWide(const std::u16string& text)
{
    return toNarrow(QString::fromStdU16String(text));
}

QString trimControls(const QString& text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin].unicode() <= 0x20)
        ++begin;
    while (end > begin && text[end - 1].unicode() <= 0x20)
        --end;
    return text.mid(begin, end - begin);
}

std::string oneLineText(const std::string& text)
{
    std::string line = text;
    for (char& c : line) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f)
            c = ' ';
    }
    return line;
}

QString quoted(const QString& text)
{
    return QLatin1Char('"') + text + QLatin1Char('"');
}
