#include "text/stringlist.h"

#include "text/ansi.h"

void StringList::setText(QByteArrayView text)
{
    m_lines.clear();
    const qsizetype nul = text.indexOf('\0');
    if (nul >= 0)
        text = text.first(nul);
    qsizetype start = 0;
    const qsizetype n = text.size();
    while (start < n) {
        qsizetype i = start;
        while (i < n && text[i] != '\r' && text[i] != '\n')
            ++i;
        m_lines.append(text.sliced(start, i - start).toByteArray());
        if (i < n && text[i] == '\r' && i + 1 < n && text[i + 1] == '\n')
            i += 2;
        else if (i < n)
            ++i;
        start = i;
    }
}

QByteArray StringList::text() const
{
    QByteArray out;
    for (const QByteArray &line : m_lines) {
        out += line;
        out += "\r\n";
    }
    return out;
}

qsizetype StringList::IndexOf(QByteArrayView s) const
{
    for (qsizetype i = 0; i < m_lines.size(); ++i)
        if (AnsiCompareText(m_lines.at(i), s) == 0)
            return i;
    return -1;
}
