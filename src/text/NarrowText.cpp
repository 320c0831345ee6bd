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
