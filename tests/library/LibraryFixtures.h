#pragma once

#include <gtest/gtest.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>

#include <cmath>
#include <vector>

// Record files a test writes into its temporary library.

// A PEER NGA .AT2 file of `values` in g at `step` seconds.
inline QByteArray peerFile(const std::vector<double>& values, double step,
                           const QByteArray& second = "Test Event, 1/2/2000, Test Station, 90")
{
    QByteArray text = "PEER NGA STRONG MOTION DATABASE RECORD\n" + second + "\nACCELERATION TIME SERIES IN UNITS OF G\n";
    text += "NPTS=" + QByteArray::number(static_cast<qulonglong>(values.size())) + ", DT=" + QByteArray::number(step)
            + " SEC,\n";
    for (std::size_t i = 0; i < values.size(); ++i)
        text += QByteArray::number(values[i], 'E', 7) + ((i % 5 == 4) ? "\n" : "  ");
    return text + "\n";
}

// A shaking of `count` samples that differs with `seed`.
inline std::vector<double> shaking(std::size_t count, int seed)
{
    std::vector<double> a(count);
    for (std::size_t i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) * 0.01;
        a[i] = 0.1 * std::sin(2 * M_PI * (1.0 + 0.1 * seed) * t) * std::exp(-0.2 * t);
    }
    return a;
}

inline void writeBytes(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    ASSERT_EQ(file.write(bytes), bytes.size());
}

inline QByteArray bytesOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

inline QString testData(const QString& name)
{
    return QStringLiteral(KAVREL_TEST_DATA "/library/") + name;
}
