#include "app/navigation.h"

#include "dict/dictionary.h"
#include "text/ansi.h"
#include "text/cp1251.h"
#include "text/stringlist.h"

namespace navigation {

int searchRow(const TDictUnit &unit, QByteArrayView lowerText)
{
    for (int i = 0; i < unit.Count(); ++i) {
        QByteArray key = unit.GetWord(i)->Caption();
        key.replace('|', QByteArray());
        if (AnsiCompareStr(lowerText, AnsiLowerCase(key)) <= 0)
            return i;
    }
    return 0;
}

std::optional<WordPlace> findWord(const TDictionary &dictionary, int32_t wordId)
{
    for (int letter = 0; letter < 256; ++letter) {
        const TDictUnit *unit = dictionary.GetUnit(uint8_t(letter));
        if (!unit)
            continue;
        for (int j = 0; j < unit->Count(); ++j)
            if (unit->GetWord(j)->WordId() == wordId)
                return WordPlace {uint8_t(letter), j};
    }
    return std::nullopt;
}

bool hasRefusedPrefix(const StringList &refused, QByteArrayView text)
{
    for (qsizetype j = 1; j <= text.size(); ++j)
        if (refused.IndexOf(text.first(j)) != -1)
            return true;
    return false;
}

QByteArray toSearchBytes(const QString &text)
{
    qsizetype bad = -1;
    QByteArray bytes = toCp1251(text, &bad);
    if (bad < 0)
        return bytes;
    bytes.clear();
    for (const QChar c : text) {
        const QByteArray one = toCp1251(QString(c), &bad);
        bytes.append(bad < 0 ? one : QByteArray("?"));
    }
    return bytes;
}

} // namespace navigation
