// Loading a large word base and the search box's lookup, each reported with
// its ratio to a baseline measured in the same run, so the figures compare
// across machines.
#include "app/navigation.h"
#include "dict/bytereader.h"
#include "dict/dictionary.h"
#include "dict/sectionwriter.h"
#include "text/ansi.h"
#include "wordbase/container.h"
#include "wordbase/wordbase.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <algorithm>
#include <cstring>
#include <map>

namespace {

// Lower-case Cyrillic letters of Windows-1251 (а..я).
char lowerLetter(QRandomGenerator &random) { return char(0xE0 + random.bounded(32)); }

QByteArray word(QRandomGenerator &random, int minLength, int maxLength)
{
    QByteArray w;
    const int n = minLength + int(random.bounded(maxLength - minLength + 1));
    for (int i = 0; i < n; ++i)
        w += lowerLetter(random);
    return w;
}

QByteArray counted(const QByteArray &text)
{
    QByteArray out;
    appendInt32(out, int32_t(text.size()));
    return out + text;
}

QByteArray tinyGif()
{
    static const unsigned char bytes[]
        = {'G',  'I',  'F',  '8',  '9',  'a',  0x01, 0x00, 0x01, 0x00, 0x80, 0x00, 0x00, 0x00, 0x00,
           0x00, 0xff, 0xff, 0xff, 0x21, 0xf9, 0x04, 0x01, 0x00, 0x00, 0x00, 0x00, 0x2c, 0x00, 0x00,
           0x00, 0x00, 0x01, 0x00, 0x01, 0x00, 0x00, 0x02, 0x02, 0x44, 0x01, 0x00, 0x3b};
    return QByteArray(reinterpret_cast<const char *>(bytes), sizeof bytes);
}

// A word base of `words` headwords, one description each: three justified
// lines of about ten words, a link and an indent, as the bundled one has.
QByteArray makeWordBase(int words)
{
    QRandomGenerator random(20261211);
    QByteArray payload;
    appendInt32(payload, 1);
    appendInt32(payload, 1);
    appendInt32(payload, words);
    for (int d = 0; d < words; ++d) {
        for (int line = 0; line < 3; ++line) {
            payload += char(line == 2 ? 0 : 1);
            if (line == 0)
                payload += '\t';
            for (int k = 0; k < 10; ++k) {
                if (k)
                    payload += ' ';
                payload += word(random, 2, 9);
            }
            payload += " ~";
            appendInt32(payload, int32_t(random.bounded(words)));
            payload += word(random, 3, 8) + "~.";
            payload += char(line == 2 ? 0 : '\n');
        }
    }
    appendInt32(payload, words);
    for (int j = 0; j < words; ++j) {
        QByteArray caption = word(random, 3, 12);
        caption[0] = char(uchar(caption[0]) - 0x20); // capital first letter
        caption.insert(1 + random.bounded(caption.size() - 1), '|');
        appendInt32(payload, j);
        payload += caption + '\0';
    }
    for (int guide = 0; guide < 4; ++guide) {
        QByteArray text;
        for (int row = 0; row < 200; ++row)
            text += word(random, 2, 6) + '\t' + word(random, 5, 30) + "\r\n";
        payload += counted(text);
    }
    appendInt32(payload, 300);
    for (int a = 0; a < 300; ++a)
        payload += counted(word(random, 200, 600));
    appendInt32(payload, 4);
    for (int b = 0; b < 4; ++b)
        payload += counted(tinyGif()) + counted("hint") + counted("https://brivela.example/");
    payload += counted("bad\r\nworse");
    return container::sealPayload(payload);
}

struct Fixture {
    QTemporaryDir dir;
    QString path;
    qsizetype bytes = 0;
    Fixture()
    {
        path = dir.filePath(QStringLiteral("brivela.dat"));
        const QByteArray file = makeWordBase(20000);
        bytes = file.size();
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly) || f.write(file) != file.size())
            qFatal("cannot write %s", qPrintable(path));
    }
};

Fixture &fixture()
{
    static Fixture f;
    return f;
}

// Baseline of the load: the file read and deciphered, its MAC checked.
void ReadAndDecipher(benchmark::State &state)
{
    for (auto _ : state) {
        QFile f(fixture().path);
        f.open(QIODevice::ReadOnly);
        benchmark::DoNotOptimize(container::openPayload(f.readAll()));
    }
    state.SetBytesProcessed(state.iterations() * fixture().bytes);
}
BENCHMARK(ReadAndDecipher)->Unit(benchmark::kMillisecond);

// The whole load of 20,000 headwords as the program does it.
void LoadWordBase(benchmark::State &state)
{
    for (auto _ : state) {
        WordBaseFields fields;
        readWordBase(fixture().path, fields);
        benchmark::DoNotOptimize(fields.FDictionary.WordCount());
    }
    state.SetBytesProcessed(state.iterations() * fixture().bytes);
}
BENCHMARK(LoadWordBase)->Unit(benchmark::kMillisecond);

// A bucket of a few thousand headwords in dictionary order, as the search box scans it.
struct Bucket {
    TDictionary dictionary;
    const TDictUnit *unit = nullptr;
    QByteArray lateText; // lower-cased text whose answer lies at 3/4 of the bucket
    Bucket()
    {
        QRandomGenerator random(7);
        QList<QByteArray> captions;
        for (int i = 0; i < 4000; ++i) {
            QByteArray c = word(random, 3, 12);
            c[0] = char(0xCF); // П
            captions << c;
        }
        std::sort(captions.begin(), captions.end(),
                  [](const QByteArray &a, const QByteArray &b) { return AnsiCompareStr(a, b) < 0; });
        QByteArray section;
        appendInt32(section, 1);
        section += QByteArray("\0x\0", 3);
        appendInt32(section, int32_t(captions.size()));
        for (const QByteArray &c : captions) {
            appendInt32(section, 0);
            section += c.left(2) + '|' + c.mid(2) + '\0';
        }
        ByteReader reader(section);
        dictionary.LoadFromStream(reader);
        unit = dictionary.GetUnit(0xCF);
        lateText = AnsiLowerCase(captions.at(3000).left(5));
    }
};

Bucket &bucket()
{
    static Bucket b;
    return b;
}

// The search box as the main window runs it on typed text: lower-case it,
// then scan the bucket comparing in the locale (navigation::searchRow).
void SearchBox(benchmark::State &state)
{
    const Bucket &b = bucket();
    for (auto _ : state)
        benchmark::DoNotOptimize(navigation::searchRow(*b.unit, AnsiLowerCase(b.lateText)));
    state.SetItemsProcessed(state.iterations() * navigation::searchRow(*b.unit, b.lateText));
}
BENCHMARK(SearchBox)->Unit(benchmark::kMicrosecond);

// Baseline of the search: the same scan with a plain byte comparison.
void SearchBoxBytewise(benchmark::State &state)
{
    const Bucket &b = bucket();
    for (auto _ : state) {
        int row = 0;
        for (int i = 0; i < b.unit->Count(); ++i) {
            QByteArray key = b.unit->GetWord(i)->Caption();
            key.replace('|', QByteArray());
            if (b.lateText <= AnsiLowerCase(key)) {
                row = i;
                break;
            }
        }
        benchmark::DoNotOptimize(row);
    }
}
BENCHMARK(SearchBoxBytewise)->Unit(benchmark::kMicrosecond);

// Prints every run as the console does and then each measurement against its baseline.
class RatioReporter : public benchmark::ConsoleReporter
{
public:
    RatioReporter() : ConsoleReporter(OO_Tabular) { }

    void ReportRuns(const std::vector<Run> &runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        // CPU time: the code measured is single-threaded, and CPU time is what
        // stays steady on a machine busy with other work. The median of
        // repetitions when there are some.
        for (const Run &r : runs) {
            const std::string &name = r.run_name.function_name;
            if (r.run_type == Run::RT_Aggregate && r.aggregate_name == "median")
                m_seconds[name] = r.cpu_accumulated_time / double(r.iterations);
            else if (r.run_type == Run::RT_Iteration && r.repetitions <= 1)
                m_seconds[name] = r.cpu_accumulated_time / double(r.iterations);
        }
    }

    void Finalize() override
    {
        ConsoleReporter::Finalize();
        ratio("LoadWordBase", "ReadAndDecipher");
        ratio("SearchBox", "SearchBoxBytewise");
    }

private:
    void ratio(const std::string &measured, const std::string &baseline)
    {
        if (!m_seconds.count(measured) || !m_seconds.count(baseline))
            return;
        GetOutputStream() << measured << " / " << baseline
                          << " (CPU time) = " << m_seconds[measured] / m_seconds[baseline] << "\n";
    }

    std::map<std::string, double> m_seconds;
};

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv); // the GIF decoder is a plugin
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
