#pragma once

#include <QString>

#include <stdexcept>

// A fault in a word base source folder, at a file, line and column (1-based;
// line 0 when the fault concerns the whole file).
class SourceError : public std::runtime_error
{
public:
    SourceError(QString file, int line, int column, QString message)
        : std::runtime_error(message.toStdString()), m_file(std::move(file)), m_line(line), m_column(column),
          m_message(std::move(message))
    {
    }

    const QString &file() const { return m_file; }
    int line() const { return m_line; }
    int column() const { return m_column; }
    const QString &message() const { return m_message; }

    // "file:line:column: message", the form editors jump to.
    QString text() const
    {
        if (m_line <= 0)
            return QStringLiteral("%1: %2").arg(m_file, m_message);
        return QStringLiteral("%1:%2:%3: %4").arg(m_file).arg(m_line).arg(m_column).arg(m_message);
    }

private:
    QString m_file;
    int m_line;
    int m_column;
    QString m_message;
};
