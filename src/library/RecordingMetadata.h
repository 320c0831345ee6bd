#pragma once

#include <QString>

#include <optional>

// What is known of a recording; unknown stays empty, never 0.
struct RecordingMetadata {
    QString event;
    std::optional<int> year;
    QString station;
    std::optional<double> magnitude;
    QString mechanism;
    std::optional<double> rjbKm;
    std::optional<double> rrupKm;
    std::optional<double> vs30;
    std::optional<double> lowestUsableFrequencyHz;
};
