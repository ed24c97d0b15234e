#pragma once
// Stands in for the desktop's browser: QDesktopServices hands it the URLs it would open.

#include <QObject>
#include <QUrl>

class UrlRecorder : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void Open(const QUrl& url) { urls.append(url); }
};
