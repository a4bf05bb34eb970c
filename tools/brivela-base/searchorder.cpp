#include "searchorder.h"

#include "dict/dictionary.h"
#include "text/ansi.h"

#include <algorithm>
#include <numeric>

QByteArray searchKey(QByteArrayView caption)
{
    QByteArray stripped = caption.toByteArray();
    stripped.replace('|', QByteArray());
    return AnsiLowerCase(stripped);
}

bool inSearchOrder(QByteArrayView a, QByteArrayView b) { return AnsiCompareStr(searchKey(a), searchKey(b)) <= 0; }

std::vector<int32_t> defaultWordIds(const std::vector<QByteArray> &captions)
{
    struct Entry {
        uint8_t letter;
        QByteArray key;
    };
    std::vector<Entry> entries;
    entries.reserve(captions.size());
    for (const QByteArray &c : captions)
        entries.push_back({TDictionary::LetterOf(c), searchKey(c)});

    std::vector<size_t> order(captions.size());
    std::iota(order.begin(), order.end(), size_t(0));
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) {
        if (entries[a].letter != entries[b].letter)
            return entries[a].letter < entries[b].letter;
        return AnsiCompareStr(entries[a].key, entries[b].key) < 0;
    });

    std::vector<int32_t> ids(captions.size());
    for (size_t id = 0; id < order.size(); ++id)
        ids[order[id]] = int32_t(id);
    return ids;
}

const TDictWord *searchHeadword(const TDictionary &dictionary, QByteArrayView typed)
{
    const QByteArray text = AnsiLowerCase(typed);
    if (text.isEmpty())
        return nullptr;
    const TDictUnit *bucket = dictionary.GetUnit(TDictionary::LetterOf(AnsiUpperCase(text)));
    if (!bucket)
        return nullptr;
    for (int i = 0; i < bucket->Count(); ++i)
        if (AnsiCompareStr(text, searchKey(bucket->GetWord(i)->Caption())) <= 0)
            return bucket->GetWord(i);
    return bucket->GetWord(0);
}
