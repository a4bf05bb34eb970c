#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

#include <cstdint>

// Builds a word base in memory, section by section, for the tests. Texts are
// given as Unicode and stored as Windows-1251.
class TestWordBase
{
public:
    struct Banner {
        QByteArray gif;
        QString hint;
        QString link;
    };

    int32_t version = 1;
    int32_t edition = 1;
    QString smileys;
    QString acronyms;
    QString users;
    QString extensions;
    QStringList anecdotes;
    QList<Banner> banners;
    QStringList refused;

    // Adds a description and returns its index. Each line starts with '>'
    // (justified) or '.' (plain); in the rest a space is a space, a TAB an
    // indent, and {id:text} a link to word id `id`.
    int addDescription(const QStringList &lines);
    // Adds a headword ('|' marks stress) and returns its word id.
    int addWord(const QString &caption, int description);

    QByteArray payload() const;
    // The enciphered file, as the program reads it.
    QByteArray file() const;
    bool write(const QString &path) const;

    // A description line's bytes from the markup above (without its terminator).
    static QByteArray lineBytes(const QString &line);

private:
    QList<QByteArray> m_descriptions;
    QList<QPair<int, QByteArray>> m_words;
};
