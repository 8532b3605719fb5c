#pragma once

#include <QList>
#include <QObject>
#include <QUrl>

// Stands in for the browser while it lives: every address the program asks
// the desktop to open is recorded instead of opened.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    UrlCatcher();
    ~UrlCatcher() override;

    const QList<QUrl>& opened() const { return opened_; }
    QUrl last() const { return opened_.isEmpty() ? QUrl() : opened_.last(); }
    void clear() { opened_.clear(); }

public slots:
    void open(const QUrl& url) { opened_.append(url); }

private:
    QList<QUrl> opened_;
};
