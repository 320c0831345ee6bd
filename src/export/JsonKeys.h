#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// QJsonDocument keeps one of two equal keys of an object without a word, so
// a file that says two things at once would be read as saying one of them.

// The first key given twice in one object of `json`, decoded, or nothing.
// `json` must be valid JSON text (QJsonDocument read it without an error).
std::optional<QString> firstRepeatedKey(const QByteArray& json);
