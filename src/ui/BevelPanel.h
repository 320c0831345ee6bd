#pragma once

#include <QFrame>

// A panel framed by two bevels: a lowered outer one and a raised inner one,
// so that its content seems to lie on a plate set into the window.
class BevelPanel : public QFrame {
public:
    explicit BevelPanel(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};
