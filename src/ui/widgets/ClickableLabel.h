#pragma once

#include <QLabel>

// A label that reports a left click. As a link label it also gets an
// underlined font and the pointing-hand cursor while the mouse is over it.
class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickableLabel(const QString& text = QString(), QWidget* parent = nullptr);

    // Underlines the current font and shows the pointing hand.
    void setLinkLook(bool link);

    // The label as a link: fixed font (underlined) and hand cursor.
    static ClickableLabel* createLink(const QString& text, const QFont& font, QWidget* parent);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool pressed_ = false;
};
