#pragma once

#include <QDesktopServices>
#include <QList>
#include <QObject>
#include <QUrl>

// Records the links the program asks the desktop to open, instead of opening them.
class UrlCatcher : public QObject
{
    Q_OBJECT

public:
    UrlCatcher()
    {
        for (const char *scheme : kSchemes)
            QDesktopServices::setUrlHandler(QLatin1String(scheme), this, "open");
    }
    ~UrlCatcher() override
    {
        for (const char *scheme : kSchemes)
            QDesktopServices::unsetUrlHandler(QLatin1String(scheme));
    }
    QList<QUrl> urls;

public slots:
    void open(const QUrl &url) { urls.append(url); }

private:
    static constexpr const char *kSchemes[] = {"http", "https", "mailto", "file", "ftp", "javascript"};
};
