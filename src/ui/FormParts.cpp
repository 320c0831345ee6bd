#include "ui/FormParts.h"

#include <QLabel>

QLabel* placeLabel(QWidget* parent, const char* name, const QString& text, QPoint at)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
    label->move(at);
    label->adjustSize();
    return label;
}

void placeAfter(QWidget* follower, const QWidget* leader)
{
    follower->adjustSize();
    // Same baseline: both are single-line labels of the same font size.
    follower->move(leader->x() + leader->width(), leader->y() + (leader->height() - follower->height()) / 2);
}

QLabel* placePicture(QWidget* parent, const char* name, const QPixmap& picture, const QRect& area)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setScaledContents(true);
    label->setPixmap(picture);
    label->setGeometry(area);
    return label;
}

void makeBold(QLabel* label, int pointSize)
{
    QFont font = label->font();
    font.setBold(true);
    if (pointSize > 0)
        font.setPointSize(pointSize);
    label->setFont(font);
    label->adjustSize();
}
