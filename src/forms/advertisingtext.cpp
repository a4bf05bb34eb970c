#include "forms/advertisingtext.h"

#include <QFontMetrics>

#include <algorithm>
#include <array>

namespace {

// The offer to banner customers. Every character has a Windows-1251 form, so
// the text is the same whether it is kept as 8-bit or as Unicode text.
constexpr std::array<const char16_t *, 35> kLines = {
    u"Хотите разместить рекламный баннер в Бривеле?",
    u"",
    u"Нет ничего проще!",
    u"",
    u"Наша программа имеет большой потенциал распространения,",
    u"так что Ваши баннеры увидят все!",
    u"",
    u"Баннеры меняются каждую минуту, и все пользователи нашей программы успеют",
    u"внимательно их рассмотреть.",
    u"При клике на баннер осуществляется переход по указанной Вами ссылке.",
    u"",
    u"Стоимость размещения одного баннера:",
    u"месяц - 13 WMZ, квартал - 38 WMZ, полугодие - 75 WMZ, год - 149 WMZ.",
    u"Стоимость размещения двух и более баннеров, за каждый:",
    u"месяц - 12 WMZ, квартал - 35 WMZ, полугодие - 69 WMZ, год - 137 WMZ.",
    u"",
    u"Для того, чтобы разместить Ваш баннер, нужно выслать письмо на адрес",
    u"a@quennic.example с темой письма - Баннер в BRIVELA.",
    u"",
    u"В письме укажите свои реквизиты web-money, контактную информацию,",
    u"сам баннер 468х60.gif, подпись к нему (всплывающую подсказку), и ссылку,",
    u"при клике на которую открывается новое окно броузера.",
    u"",
    u"Указанную сумму следует перевести на WMID 318604275193, кошелек",
    u"Z482019573360.",
    u"",
    u"Как только Ваша сумма поступит на наш счет, мы выложим в Сеть обновленную",
    u"базу Бривелы с Вашим баннером и высылаем копию Вам. Баннеры самых",
    u"\"свежих\" наших партнеров будут показаны в первую очередь.",
    u"",
    u"Так же Ваш баннер будет размещен у нас на сайте в разделе \"Наши Партнеры\".",
    u"",
    u"Максимальное количество размещаемых баннеров 10.",
    u"",
    u"Разрекламируйте себя или Вашу компанию с помощью нашей программы!",
};

struct AdvertisingSpan {
    int line;
    int start; // 0-based character position
    int length;
};

// Fixed character positions, never searched for in the text: the contact
// address, the payment account and the purse.
constexpr std::array<AdvertisingSpan, 3> kBoldSpans = {{
    {17, 0, 17},
    {23, 37, 17},
    {24, 0, 13},
}};

QFont withWeight(QFont font, bool bold)
{
    font.setBold(bold);
    return font;
}

} // namespace

QStringList advertisingLines()
{
    QStringList lines;
    lines.reserve(qsizetype(kLines.size()));
    for (const char16_t *line : kLines)
        lines.append(QString::fromUtf16(line));
    return lines;
}

int advertisingLineHeight(const QFont &font, const QPaintDevice *device)
{
    // The font's height (ascent plus descent), which every one-line text such
    // as "|" has, with no line spacing added.
    return QFontMetrics(font, device).height();
}

QList<AdvertisingRun> advertisingRuns(const QFont &font, const QPaintDevice *device)
{
    const QStringList lines = advertisingLines();
    const int lineHeight = advertisingLineHeight(font, device);
    QList<AdvertisingRun> runs;
    for (int line = 0; line < lines.size(); ++line) {
        const QString &text = lines.at(line);
        const int y = line * lineHeight;
        int x = 0;
        qsizetype at = 0;
        auto addRun = [&](qsizetype end, bool bold) {
            end = std::min(end, text.size());
            if (end <= at)
                return;
            AdvertisingRun run {line, int(at), text.mid(at, end - at), bold, QPoint(x, y)};
            x += QFontMetrics(withWeight(font, bold), device).horizontalAdvance(run.text);
            runs.append(run);
            at = end;
        };
        for (const AdvertisingSpan &span : kBoldSpans) {
            if (span.line != line)
                continue;
            addRun(span.start, false);
            addRun(span.start + span.length, true);
        }
        addRun(text.size(), false);
    }
    return runs;
}

int advertisingTextWidth(const QFont &font, const QPaintDevice *device)
{
    const QFontMetrics metrics(font, device);
    int widest = 0;
    for (const QString &line : advertisingLines())
        widest = std::max(widest, metrics.horizontalAdvance(line));
    return widest;
}

QString advertisingClipboardText()
{
    QString text;
    for (const QString &line : advertisingLines())
        text += line + QStringLiteral("\r\n");
    return text;
}
