#pragma once

#include <QLabel>

#include <functional>

// A label that reports a left click. As a link label it also gets an
// underlined font and the pointing-hand cursor while the mouse is over it.
class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickableLabel(const QString& text = QString(), QWidget* parent = nullptr);

    // Underlines the current font and shows the pointing hand.
    void setLinkLook(bool link);

    // The one way a link is made: its name, text, font (underlined), colour
    // and hand cursor, and what a click does.
    static ClickableLabel* createLink(const char* name, const QString& text, const QFont& font,
                                      const QColor& colour, QWidget* parent,
                                      const std::function<void()>& onClick);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool pressed_ = false;
};
