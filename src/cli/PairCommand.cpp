#include "cli/ArgumentText.h"
#include "cli/Cli.h"
#include "cli/Commands.h"
#include "data/Error.h"
#include "data/Query.h"
#include "data/uShare.h"
#include "divination/ZodiacPairing.h"

#include <algorithm>
#include <array>

namespace lumora::cli {

QString animalList()
{
    QStringList animals;
    for (const QStringView animal : kZodiacAnimals)
        animals << animal.toString();
    return animals.join(QLatin1Char(' '));
}

int pair(const Invocation& invocation, QTextStream& out, QTextStream& err)
{
    if (invocation.args.size() != 2)
        return usageComplaint(invocation, err);
    const QString& man = invocation.args[0];
    const QString& woman = invocation.args[1];
    constexpr std::array kRoles{u"男方", u"女方"};
    for (int i = 0; i < 2; ++i) {
        const QString& animal = invocation.args[i];
        if (std::find(kZodiacAnimals.begin(), kZodiacAnimals.end(), animal) == kZodiacAnimals.end()) {
            err << QStringLiteral("%1的生肖 %2 不是十二生肖之一，请写其中一个字：")
                       .arg(QStringView(kRoles[i]), shownArgument(animal))
                << animalList() << '\n';
            return ExitBadInput;
        }
    }

    std::optional<PairingRow> row;
    try {
        Query query;
        query.setConnectionString(birthConnectionStringIn(invocation.context.dataFolder));
        row = queryPairing(query, man, woman);
    } catch (const Error& error) {
        err << error.message() << '\n';
        return ExitDataFile;
    }
    if (!row) {
        err << QStringLiteral("VeltaBirth.dll 中没有%1的配对").arg(pairName(man, woman)) << '\n';
        return ExitNotFound;
    }
    // The window beeps at each damaged pair of characters; here the count goes to standard error.
    int badPairs = 0;
    for (const QString& line : pairingMemoLines(man, woman, *row, [&badPairs] { ++badPairs; }))
        out << line << '\n';
    if (badPairs > 0)
        err << QStringLiteral("VeltaBirth.dll 中%1的配对文字有 %2 处不是十六进制数，已略过")
                   .arg(pairName(man, woman))
                   .arg(badPairs)
            << '\n';
    return ExitOk;
}

} // namespace lumora::cli
