// The pinyin converter on a long mixed text: Chinese characters, ASCII, full-width forms,
// numerals, Greek letters and punctuation, through the GBK bytes and through the QString edge.

#include "divination/HanziToPinyin.h"

#include <QStringEncoder>

#include <benchmark/benchmark.h>

#include <limits>

namespace {

constexpr int kWholeText = std::numeric_limits<int>::max();

QString MixedText()
{
    const QString piece = QStringLiteral("王小明的网名叫做Lumora_2015！今天是黄历上的吉日，宜嫁娶、出行。"
                                         "ＡＢｃ１２３①②Ⅻαβθ给力 abc-12 龘龍陳說，「彭祖百忌」；");
    QString text;
    while (text.size() < 512 * 1024)
        text += piece;
    return text;
}

void BytesThroughTheConverter(benchmark::State& state)
{
    const QByteArray gbk = QStringEncoder("GBK").encode(MixedText());
    const int options = int(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(lumora::HanziToPinyin(QByteArrayView(gbk), options, kWholeText));
    state.SetBytesProcessed(state.iterations() * gbk.size());
}
BENCHMARK(BytesThroughTheConverter)->Arg(2)->Arg(3)->Unit(benchmark::kMicrosecond);

// Bytes processed are the text's GBK bytes, so the two figures compare.
void TextThroughTheWrapper(benchmark::State& state)
{
    const QString text = MixedText();
    const qsizetype gbkSize = QByteArray(QStringEncoder("GBK").encode(text)).size();
    const int options = int(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(lumora::HanziToPinyin(text, options, kWholeText));
    state.SetBytesProcessed(state.iterations() * gbkSize);
}
BENCHMARK(TextThroughTheWrapper)->Arg(2)->Arg(3)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
