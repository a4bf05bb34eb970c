#pragma once

#include "sourceerror.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <cstdint>

// Reading and writing the text of word base sources: UTF-8 files of lines whose
// characters become Windows-1251 bytes, literally or through backslash escapes.

// One line of a source file without its line end, with its 1-based number.
struct SourceLine {
    int number = 0;
    QString text;
};
using SourceLines = QList<SourceLine>;

// Splits UTF-8 file content into lines. Lines end at LF, and a CR right before
// the LF belongs to the line end; a final line end adds no empty line. Throws
// SourceError at the first byte that is not UTF-8.
SourceLines splitSourceLines(const QByteArray &content, const QString &file);

// Reads and splits a source file; a file that cannot be read is a SourceError.
SourceLines readSourceFile(const QString &path);

// The UTF-8 content of a source file: every line followed by LF.
QByteArray joinSourceLines(const QStringList &lines);

// The 1-based column of the character at UTF-16 index `index`: a character
// outside the Basic Multilingual Plane counts as one.
int columnAt(QStringView text, qsizetype index);

// Walks one source line from a start index, turning each character or escape
// into one Windows-1251 byte. Escapes: \\ \[ \] \( \) \# \t \s \r \n \0 \xHH.
class LineScanner
{
public:
    LineScanner(const QString &file, const SourceLine &line, qsizetype start = 0);

    struct Char {
        uint8_t byte;
        bool escaped; // written as an escape, so never a piece of syntax
        qsizetype at; // UTF-16 index where it starts in the line
    };

    bool atEnd() const { return m_pos >= m_line.text.size(); }
    qsizetype pos() const { return m_pos; }
    // The next character as it stands in the line (an escape shows as '\\').
    QChar peek() const { return m_line.text.at(m_pos); }
    void skip() { ++m_pos; }
    // Reads one character or escape; a bad escape or a character that
    // Windows-1251 cannot hold is a SourceError at its column.
    Char next();
    // Reads a character as it stands, with no escapes.
    Char nextLiteral();

    [[noreturn]] void failAt(qsizetype index, const QString &message) const;

private:
    Char encode(qsizetype at);

    const QString &m_file;
    const SourceLine &m_line;
    qsizetype m_pos;
};

// The bytes of the line from `start` on, with escapes.
QByteArray readEscaped(const QString &file, const SourceLine &line, qsizetype start = 0);
// The bytes of the line from `start` on, taken literally.
QByteArray readLiteral(const QString &file, const SourceLine &line, qsizetype start = 0);

// Source text for bytes, the inverse of readEscaped: escapes the backslash,
// every character in `specials`, and every byte that would not show as itself
// in an editor (CR, LF, NUL, TAB, other control characters).
QString escapeBytes(QByteArrayView bytes, QByteArrayView specials = {});

// Whether the text holds a byte that escapeBytes writes as an escape because
// an editor would not show it (CR, LF, NUL and other control characters; not TAB).
bool hasHiddenBytes(QByteArrayView bytes);

// Writes spaces and TABs at the ends of escaped text as \s and \t, which
// editors do not strip and key = value lines do not skip.
QString protectEdgeBlanks(QString escaped, bool leading = true);

// Quoted UTF-8 text of Windows-1251 bytes for messages.
QString quoted(QByteArrayView bytes);
