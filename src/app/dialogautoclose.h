#pragma once

#include <QObject>
#include <QStringList>

// Test hook: accepts every dialog a given time after it is shown and notes
// its caption and text, so that tests, and process tests of the real program,
// can run through message boxes unattended. The program installs it only when
// the environment variable BRIVELA_AUTOCLOSE_DIALOGS_MS holds the delay in
// milliseconds; it then also prints each closed dialog to standard error.
class DialogAutoCloser : public QObject
{
    Q_OBJECT

public:
    explicit DialogAutoCloser(int delayMs, QObject *parent = nullptr);
    ~DialogAutoCloser() override;

    // Installs the hook when the environment asks for it.
    static void installFromEnvironment();

    void setEcho(bool on) { m_echo = on; }
    // "caption: text" of every dialog closed so far.
    const QStringList &closed() const { return m_closed; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    int m_delayMs;
    bool m_echo = false;
    QStringList m_closed;
};
