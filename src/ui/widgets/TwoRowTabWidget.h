#pragma once

#include <QAbstractButton>
#include <QList>
#include <QWidget>

class QButtonGroup;
class QKeyEvent;
class QStackedWidget;

// One tab header, drawn by the style as a tab so the control looks like a
// tab widget whatever the platform.
class TabHeaderButton : public QAbstractButton {
    Q_OBJECT
public:
    explicit TabHeaderButton(const QString& text, QWidget* parent = nullptr);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
};

// A tab control whose headers wrap into rows of a fixed number of tabs
// (QTabWidget keeps them in one row). The first row holds tabs 0 .. n-1;
// the rows stay where they are whichever tab is selected. The keyboard works
// it as a tab bar: Tab reaches the selected header only, the arrow keys move
// to a neighbouring header and select it, and Ctrl+Tab, Ctrl+Shift+Tab,
// Ctrl+PgDown and Ctrl+PgUp switch pages from anywhere in the window.
class TwoRowTabWidget : public QWidget {
    Q_OBJECT
public:
    TwoRowTabWidget(int tabsPerRow, int headerRowHeight, QWidget* parent = nullptr);

    // Adds a page; widgets on it are placed in the page's own coordinates,
    // which start pageOffset() below the top of the control.
    int addTab(QWidget* page, const QString& text);

    int count() const { return headers_.size(); }
    int currentIndex() const { return current_; }
    QWidget* widget(int index) const;
    TabHeaderButton* tabHeader(int index) const;

    // Height of the header rows above the pages.
    int pageOffset() const;

public slots:
    void setCurrentIndex(int index);

signals:
    void currentChanged(int index);

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void placeHeaders();
    void announceSelection(int previous, int current);
    int rowCount() const;
    void createPageShortcuts();
    void selectByKeyboard(int index);
    bool moveByKey(const QKeyEvent* key);
    void paintPageFrame();
    void updateTabStops();

    int tabsPerRow_;
    int headerRowHeight_;
    int current_ = -1;
    QButtonGroup* group_;
    QStackedWidget* pages_;
    QList<TabHeaderButton*> headers_;
};
