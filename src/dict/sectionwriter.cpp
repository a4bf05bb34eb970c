#include "dict/sectionwriter.h"

#include "dict/dictionary.h"

void appendInt32(QByteArray &out, int32_t value)
{
    const auto v = uint32_t(value);
    const char bytes[4] = {char(v & 0xff), char((v >> 8) & 0xff), char((v >> 16) & 0xff), char(v >> 24)};
    out.append(bytes, 4);
}

QByteArray writeDictionarySection(const TDictionary &dictionary)
{
    QByteArray out;
    appendInt32(out, dictionary.DescCount());
    for (int32_t d = 0; d < dictionary.DescCount(); ++d) {
        const auto &lines = dictionary.GetDescription(d)->lines();
        if (lines.empty()) { // the format has no empty description: write one empty line
            out.append("\0\0", 2);
            continue;
        }
        for (size_t l = 0; l < lines.size(); ++l) {
            const TDescriptionLine &line = *lines[l];
            out.append(char(line.Justify()));
            for (const auto &e : line.elements()) {
                if (auto *link = dynamic_cast<const TRefElement *>(e.get())) {
                    out.append('~');
                    appendInt32(out, link->WordId());
                    out.append(link->Text());
                    out.append('~');
                } else if (auto *text = dynamic_cast<const TTextElement *>(e.get())) {
                    out.append(text->Text());
                } else if (dynamic_cast<const TSpaceElement *>(e.get())) {
                    out.append(' ');
                } else {
                    out.append('\t');
                }
            }
            out.append(l + 1 < lines.size() ? '\n' : '\0');
        }
    }
    const auto words = dictionary.wordsById();
    appendInt32(out, int32_t(words.size()));
    for (const TDictWord *w : words) {
        appendInt32(out, w->DescIndex());
        out.append(w->Caption());
        out.append('\0');
    }
    return out;
}
