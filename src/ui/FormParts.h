#pragma once

#include <QPixmap>
#include <QPoint>
#include <QRect>
#include <QString>

class QLabel;
class QWidget;

// Small builders for the information windows, whose controls sit at fixed
// places like those of a designed form.

// A plain-text label named `name` at `at`, sized to its text.
QLabel* placeLabel(QWidget* parent, const char* name, const QString& text, QPoint at);

// Moves `follower` right behind `leader` on the same line and sizes it to its
// text, as a caption and the link it introduces.
void placeAfter(QWidget* follower, const QWidget* leader);

// A picture stretched to the box `area`.
QLabel* placePicture(QWidget* parent, const char* name, const QPixmap& picture, const QRect& area);

// Makes the label's font bold and, when `pointSize` is positive, that large.
void makeBold(QLabel* label, int pointSize = 0);
