#pragma once

#include <QLabel>

// A label with a one-pixel border in the window text colour while its text
// takes the foreground role's colour (QFrame would draw both in one colour).
class BorderedLabel : public QLabel {
public:
    explicit BorderedLabel(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};
