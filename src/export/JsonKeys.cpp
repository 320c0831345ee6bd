#include "export/JsonKeys.h"

#include <QSet>

#include <vector>

namespace {

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// The string that starts after the quote at `pos`, decoded; `pos` ends after
// the closing quote. Valid JSON is assumed, so every escape is complete.
QString readString(const QByteArray& json, qsizetype& pos)
{
    const qsizetype start = pos;
    while (pos < json.size() && json[pos] != '"' && json[pos] != '\\')
        ++pos;
    if (pos < json.size() && json[pos] == '"')
        return QString::fromUtf8(json.constData() + start, pos++ - start);  // the common case: no escapes

    QByteArray plain = json.mid(start, pos - start);
    QString text;
    while (pos < json.size() && json[pos] != '"') {
        if (json[pos] != '\\') {
            plain += json[pos++];
            continue;
        }
        text += QString::fromUtf8(plain);
        plain.clear();
        const char kind = pos + 1 < json.size() ? json[pos + 1] : '\\';
        pos += 2;
        switch (kind) {
        case 'b': text += u'\b'; break;
        case 'f': text += u'\f'; break;
        case 'n': text += u'\n'; break;
        case 'r': text += u'\r'; break;
        case 't': text += u'\t'; break;
        case 'u': {
            char16_t unit = 0;
            for (int i = 0; i < 4 && pos < json.size(); ++i)
                unit = static_cast<char16_t>(unit * 16 + hexValue(json[pos++]));
            text += QChar(unit);
            break;
        }
        default: text += QLatin1Char(kind); break;  // " \ /
        }
    }
    text += QString::fromUtf8(plain);
    ++pos;
    return text;
}

} // namespace

std::optional<QString> firstRepeatedKey(const QByteArray& json)
{
    struct Level {
        bool object;
        QSet<QString> keys;
    };
    std::vector<Level> levels;
    bool keyNext = false;  // the next string of an object is a key
    for (qsizetype pos = 0; pos < json.size();) {
        const char c = json[pos++];
        switch (c) {
        case '{':
            levels.push_back({true, {}});
            keyNext = true;
            break;
        case '[':
            levels.push_back({false, {}});
            keyNext = false;
            break;
        case '}':
        case ']':
            if (!levels.empty())
                levels.pop_back();
            keyNext = false;
            break;
        case ',':
            keyNext = !levels.empty() && levels.back().object;
            break;
        case '"': {
            const QString text = readString(json, pos);
            if (keyNext) {
                keyNext = false;
                if (levels.back().keys.contains(text))
                    return text;
                levels.back().keys.insert(text);
            }
            break;
        }
        default:
            break;
        }
    }
    return std::nullopt;
}
