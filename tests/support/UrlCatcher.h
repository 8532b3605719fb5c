#pragma once

#include <QDesktopServices>
#include <QList>
#include <QObject>
#include <QUrl>

// Stands in for the browser while it lives: every address the program asks
// the desktop to open is recorded instead of opened.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    UrlCatcher() {
        for (const char* scheme : {"http", "https"})
            QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), this, "open");
    }
    ~UrlCatcher() override {
        for (const char* scheme : {"http", "https"})
            QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
    }

    const QList<QUrl>& opened() const { return opened_; }
    QUrl last() const { return opened_.isEmpty() ? QUrl() : opened_.last(); }
    void clear() { opened_.clear(); }

public slots:
    void open(const QUrl& url) { opened_.append(url); }

private:
    QList<QUrl> opened_;
};
