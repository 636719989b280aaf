#include "divination/ZodiacPairing.h"

#include "data/Query.h"

#include <QStringEncoder>

namespace lumora {
namespace {

QByteArray toGbk(const QString& text)
{
    QStringEncoder gbk("GBK");
    return gbk.encode(text);
}

} // namespace

QString pairingSql(const QString& man, const QString& woman)
{
    return QStringLiteral("select title,content1,content2,content3,content4 from shuxianglove  where shengxiao1 = ") +
           Query::quoted(man) + QStringLiteral(" and shengxiao2 = ") + Query::quoted(woman);
}

std::optional<PairingRow> queryPairing(Query& query, const QString& man, const QString& woman)
{
    query.close();
    query.setSql(pairingSql(man, woman));
    query.open();
    std::optional<PairingRow> row;
    if (query.hasRow()) {
        row.emplace();
        row->title = query.text(0);
        for (int i = 0; i < int(row->contents.size()); ++i)
            row->contents[i] = query.text(i + 1);
    }
    query.close();
    return row;
}

QStringList pairingMemoLines(const QString& man, const QString& woman, const PairingRow& row,
                             const BadPairNotice& onBadPair)
{
    QStringList lines{man + QStringLiteral("和") + woman + QStringLiteral("配对结果如下:"), QString(), QString()};
    for (const QString& stored : row.contents) {
        if (!stored.isEmpty())
            lines << DecodeContent(stored, kContentKey, kContentRounds, onBadPair) << QString();
    }
    return lines;
}

QString pairName(const QString& man, const QString& woman)
{
    return man.trimmed() + QStringLiteral("配对") + woman.trimmed();
}

QString suggestedSaveName(const QString& pairName)
{
    const QString name = pairName.trimmed();
    for (const char byte : toGbk(name)) {
        if (QByteArrayView("*/<>?\\|").contains(byte))
            return QStringLiteral("*.txt");
    }
    return name;
}

QByteArray pairingFileBytes(const QStringList& lines)
{
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += toGbk(line) + "\r\n";
    return bytes;
}

} // namespace lumora
