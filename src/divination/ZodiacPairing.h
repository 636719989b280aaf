#pragma once
// The zodiac pairing reading: the row of a man's and a woman's animal in the table
// `shuxianglove` of VeltaBirth.dll, its four stored texts decoded into the memo's lines,
// and how a result is saved.
//
//   animals ──queryPairing──> stored texts ──pairingMemoLines (DecodeContent)──> memo lines
//   memo lines ──pairingFileBytes──> GBK text with CR LF, named from suggestedSaveName

#include "data/uShare.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <array>
#include <optional>

namespace lumora {

class Query;

// The twelve animals in the lists' order, from 鼠 (子) to 猪 (亥).
// clang-format off
inline constexpr std::array<QStringView, 12> kZodiacAnimals{
    u"鼠", u"牛", u"虎", u"兔", u"龙", u"蛇", u"马", u"羊", u"猴", u"鸡", u"狗", u"猪"};
// clang-format on

// "select title,content1,content2,content3,content4 from shuxianglove  where shengxiao1 =
// '鼠' and shengxiao2 = '牛'" (two blanks before where; values quoted the SQL way).
QString pairingSql(const QString& man, const QString& woman);

// A row as stored: the title and content1 to content4, trimmed, the contents still encoded.
struct PairingRow {
    QString title;
    std::array<QString, 4> contents;
};

// Runs the pair's query on `query` (connection text already set) and closes it; nothing
// when there is no row; throws lumora::Error when the data file fails.
std::optional<PairingRow> queryPairing(Query& query, const QString& man, const QString& woman);

// The memo's lines: "鼠和牛配对结果如下:", two empty lines, then each content that is not
// empty, decoded with the program's key, followed by one empty line.
QStringList pairingMemoLines(const QString& man, const QString& woman, const PairingRow& row,
                             const BadPairNotice& onBadPair = {});

// "鼠配对牛": the suggested name of the saved result.
QString pairName(const QString& man, const QString& woman);

// The name the save dialog starts with: the trimmed pair name, or "*.txt" when its GBK
// bytes hold any of * / < > ? \ | (a double-byte character whose second byte is one of
// them counts too).
QString suggestedSaveName(const QString& pairName);

// The saved file's bytes: each line in GBK followed by CR LF.
QByteArray pairingFileBytes(const QStringList& lines);

} // namespace lumora
