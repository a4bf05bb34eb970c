#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>

// An ordered, unsorted list of Windows-1251 lines, duplicates allowed: the
// guide tables and the refused words are read into it from one text.
class StringList
{
public:
    // Replaces the whole content. Lines end at CR LF, LF or a lone CR; a final
    // break adds no empty line; a zero byte ends the text.
    void setText(QByteArrayView text);
    // The lines, each followed by CR LF.
    QByteArray text() const;

    // Index of the first line equal to s, compared case-insensitively in the
    // user's locale; -1 when absent.
    qsizetype IndexOf(QByteArrayView s) const;

    qsizetype count() const { return m_lines.size(); }
    const QByteArray &at(qsizetype i) const { return m_lines.at(i); }
    const QList<QByteArray> &lines() const { return m_lines; }
    void append(const QByteArray &line) { m_lines.append(line); }
    void clear() { m_lines.clear(); }

private:
    QList<QByteArray> m_lines;
};
