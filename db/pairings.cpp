// Writes the rows of the table `shuxianglove` from the authored texts in db/pairing/:
//   lumora-pairings PAIRING_DIR OUT.tsv
// One row for each ordered pair of animals (the man's first), 144 in all: the two animals,
// a title, and four paragraphs stored as the program reads them (encodeContent with its
// content key). Each paragraph is put together from the texts of the two animals, of the
// relations their branches hold, of their elements and of the verdict; the files there
// say which text goes where.

#include "data/uShare.h"

#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <QSaveFile>
#include <QSet>
#include <QStringList>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <stdexcept>
#include <utility>

namespace {

using lumora::encodeContent;
using lumora::kContentKey;
using lumora::kContentRounds;

// The glue between the authored texts.
constexpr QStringView kIntro = u"男属{ma}，生于{mb}年；女属{wa}，生于{wb}年。";
// Before the first, second and third relation of a pair in content1.
constexpr std::array<QStringView, 3> kRelationLinks{u"", u"与此同时，", u"此外，"};
constexpr QStringView kTips = u"落到你们两人身上，{man.tip}；{woman.tip}。";
constexpr QStringView kTitle = u"{ma}男{wa}女：{relations}，{verdict}";

[[noreturn]] void fail(const QString& message)
{
    throw std::runtime_error(message.toStdString());
}

// A [section] of a text file and its "key: value" lines, in the file's order.
struct Section {
    QString file;
    QString name; // empty for the lines before the first section
    QHash<QString, QString> values;

    bool has(const QString& key) const { return values.contains(key); }
    QString value(const QString& key) const
    {
        if (!has(key))
            fail(QStringLiteral("%1 [%2]: no %3").arg(file, name, key));
        return values.value(key);
    }
    int number(const QString& key) const
    {
        bool ok = false;
        const int n = value(key).toInt(&ok);
        if (!ok)
            fail(QStringLiteral("%1 [%2]: %3 is not a number").arg(file, name, key));
        return n;
    }
};

QList<Section> readSections(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        fail(QStringLiteral("cannot read %1").arg(path));
    QList<Section> sections{{path, {}, {}}};
    int lineNumber = 0;
    for (const QString& line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
        ++lineNumber;
        const QString trimmed = line.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith(QLatin1Char('#')))
            continue;
        if (trimmed.startsWith(QLatin1Char('[')) && trimmed.endsWith(QLatin1Char(']'))) {
            sections.append({path, trimmed.mid(1, trimmed.size() - 2), {}});
            continue;
        }
        const qsizetype colon = trimmed.indexOf(QLatin1String(": "));
        if (colon <= 0)
            fail(QStringLiteral("%1:%2: expected \"key: value\"").arg(path).arg(lineNumber));
        sections.last().values.insert(trimmed.left(colon), trimmed.mid(colon + 2).trimmed());
    }
    return sections;
}

struct Animal {
    QString name;
    QChar branch;
    QString element;
    Section texts;
};

// Where a relation holds: the two branches as its list writes them, and for a group the
// group, its frame and the animal of its third branch.
struct Match {
    QString pair;
    QString group;
    QString frame;
    QString third;
};

struct Relation {
    Section texts;
    int score = 0;

    // The match of the man's and the woman's branch, if the relation holds for them.
    std::optional<Match> match(QChar man, QChar woman, const QList<Animal>& animals) const
    {
        for (const QString& pair : listed(u"pairs")) {
            if (pair.size() == 2 && QSet<QChar>{pair[0], pair[1]} == QSet<QChar>{man, woman} && man != woman)
                return Match{pair, {}, {}, {}};
        }
        const QStringList groups = listed(u"groups");
        const QStringList frames = listed(u"frames");
        for (qsizetype g = 0; g < groups.size(); ++g) {
            const QString& group = groups[g];
            if (man == woman || !group.contains(man) || !group.contains(woman))
                continue;
            Match found{{}, group, frames.value(g), {}};
            for (const QChar branch : group) {
                if (branch == man || branch == woman)
                    found.pair += branch;
                else
                    found.third = animalOfBranch(branch, animals);
            }
            return found;
        }
        if (man == woman && listed(u"selves").contains(QString(man)))
            return Match{QString(man) + woman, {}, {}, {}};
        return std::nullopt;
    }

    // The relation of a pair that holds no other one: it lists no branches.
    bool isFallback() const
    {
        return !texts.has(QStringLiteral("pairs")) && !texts.has(QStringLiteral("groups")) &&
               !texts.has(QStringLiteral("selves"));
    }

private:
    QStringList listed(QStringView key) const
    {
        return texts.values.value(key.toString()).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    }

    static QString animalOfBranch(QChar branch, const QList<Animal>& animals)
    {
        for (const Animal& animal : animals) {
            if (animal.branch == branch)
                return animal.name;
        }
        fail(QStringLiteral("no animal of the branch %1").arg(branch));
    }
};

struct Sources {
    QList<Animal> animals;
    QList<Relation> relations;
    QStringList cycle; // the elements, each generating the next
    QHash<QString, QString> elementTexts;
    QList<Section> verdicts;
};

Sources readSources(const QString& folder)
{
    Sources sources;
    for (const Section& section : readSections(folder + QStringLiteral("/animals.txt")).mid(1)) {
        const QString branch = section.value(QStringLiteral("branch"));
        if (branch.size() != 1)
            fail(QStringLiteral("animals.txt [%1]: the branch is one character").arg(section.name));
        sources.animals.append({section.name, branch[0], section.value(QStringLiteral("element")), section});
    }
    if (sources.animals.size() != 12)
        fail(QStringLiteral("animals.txt has %1 animals, not 12").arg(sources.animals.size()));
    for (const Section& section : readSections(folder + QStringLiteral("/relations.txt")).mid(1))
        sources.relations.append({section, section.number(QStringLiteral("score"))});
    if (std::count_if(sources.relations.cbegin(), sources.relations.cend(),
                      [](const Relation& relation) { return relation.isFallback(); }) != 1)
        fail(QStringLiteral("relations.txt: exactly one relation lists no branches"));
    const QList<Section> elements = readSections(folder + QStringLiteral("/elements.txt"));
    sources.cycle = elements.first().value(QStringLiteral("cycle")).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (const Section& section : elements.mid(1))
        sources.elementTexts.insert(section.name, section.value(QStringLiteral("text")));
    sources.verdicts = readSections(folder + QStringLiteral("/verdicts.txt")).mid(1);
    return sources;
}

// The section name in elements.txt of the man's element against the woman's.
QString elementRelation(const Sources& sources, const QString& man, const QString& woman)
{
    const qsizetype m = sources.cycle.indexOf(man);
    const qsizetype w = sources.cycle.indexOf(woman);
    if (m < 0 || w < 0 || sources.cycle.size() != 5)
        fail(QStringLiteral("elements.txt: the cycle lacks %1 or %2").arg(man, woman));
    // clang-format off
    // The woman's element counted from the man's along the cycle, 0..4.
    constexpr std::array<QStringView, 5> kBySteps{u"比和", u"男生女", u"男克女", u"女克男", u"女生男"};
    // clang-format on
    return kBySteps[(w - m + 5) % 5].toString();
}

QString filledIn(QStringView text, const QHash<QString, QString>& fields)
{
    QString filled = text.toString();
    for (auto it = fields.cbegin(); it != fields.cend(); ++it)
        filled.replace(QLatin1Char('{') + it.key() + QLatin1Char('}'), it.value());
    if (filled.contains(QLatin1Char('{')) || filled.contains(QLatin1Char('}')) || filled.contains(QLatin1Char('\t')))
        fail(QStringLiteral("a placeholder without a value, or a tab, in: %1").arg(filled));
    return filled;
}

struct Row {
    QString title;
    std::array<QString, 4> contents;
};

Row pairRow(const Sources& sources, const Animal& man, const Animal& woman)
{
    QHash<QString, QString> fields{{QStringLiteral("ma"), man.name},
                                   {QStringLiteral("wa"), woman.name},
                                   {QStringLiteral("mb"), QString(man.branch)},
                                   {QStringLiteral("wb"), QString(woman.branch)},
                                   {QStringLiteral("me"), man.element},
                                   {QStringLiteral("we"), woman.element}};

    QList<std::pair<const Relation*, Match>> held;
    for (const Relation& relation : sources.relations) {
        if (const std::optional<Match> match = relation.match(man.branch, woman.branch, sources.animals))
            held.append({&relation, *match});
    }
    if (held.isEmpty()) {
        for (const Relation& relation : sources.relations) {
            if (relation.isFallback())
                held.append({&relation, Match{}});
        }
    }
    if (held.isEmpty() || held.size() > int(kRelationLinks.size()))
        fail(QStringLiteral("%1 and %2 hold %3 relations").arg(man.name, woman.name).arg(held.size()));

    QString relationsText;
    QStringList names;
    QString advice;
    int score = 0;
    bool pullsUp = false;
    bool pullsDown = false;
    const Relation* weightiest = held.first().first;
    for (qsizetype i = 0; i < held.size(); ++i) {
        const auto& [relation, match] = held[i];
        QHash<QString, QString> relationFields = fields;
        relationFields.insert({{QStringLiteral("pair"), match.pair},
                               {QStringLiteral("group"), match.group},
                               {QStringLiteral("frame"), match.frame},
                               {QStringLiteral("third"), match.third}});
        relationsText +=
            kRelationLinks[i].toString() + filledIn(relation->texts.value(QStringLiteral("text")), relationFields);
        advice += filledIn(relation->texts.value(QStringLiteral("advice")), relationFields);
        names << relation->texts.name;
        score += relation->score;
        pullsUp = pullsUp || relation->score > 0;
        pullsDown = pullsDown || relation->score < 0;
        if (std::abs(relation->score) > std::abs(weightiest->score))
            weightiest = relation;
    }

    const Section* verdict = nullptr;
    for (const Section& section : sources.verdicts) {
        if (score >= section.number(QStringLiteral("from"))) {
            verdict = &section;
            break;
        }
    }
    if (verdict == nullptr)
        fail(QStringLiteral("verdicts.txt: no verdict reaches down to %1").arg(score));
    const QString verdictText = verdict->value(pullsUp && pullsDown ? QStringLiteral("mixed") : QStringLiteral("text"));
    const QString tone = score > 0   ? QStringLiteral("good")
                         : score < 0 ? QStringLiteral("hard")
                                     : QStringLiteral("plain");

    fields.insert(QStringLiteral("man.tip"), man.texts.value(QStringLiteral("man.tip")));
    fields.insert(QStringLiteral("woman.tip"), woman.texts.value(QStringLiteral("woman.tip")));
    fields.insert(QStringLiteral("relations"), names.join(u'、'));
    fields.insert(QStringLiteral("verdict"), verdict->name);

    Row row;
    row.title = filledIn(kTitle, fields);
    row.contents[0] =
        filledIn(kIntro, fields) + relationsText +
        filledIn(sources.elementTexts.value(elementRelation(sources, man.element, woman.element)), fields) +
        verdictText;
    row.contents[1] = man.texts.value(QStringLiteral("man")) +
                      filledIn(weightiest->texts.value(QStringLiteral("man")), fields) +
                      man.texts.value(QStringLiteral("man.") + tone);
    row.contents[2] = woman.texts.value(QStringLiteral("woman")) +
                      filledIn(weightiest->texts.value(QStringLiteral("woman")), fields) +
                      woman.texts.value(QStringLiteral("woman.") + tone);
    row.contents[3] = advice + filledIn(kTips, fields);
    return row;
}

void writeTable(const Sources& sources, const QString& outPath)
{
    QByteArray tsv;
    QSet<QString> readings;
    for (const Animal& man : sources.animals) {
        for (const Animal& woman : sources.animals) {
            const Row row = pairRow(sources, man, woman);
            QStringList fields{man.name, woman.name, row.title};
            for (const QString& content : row.contents)
                fields << encodeContent(content, kContentKey, kContentRounds);
            tsv += fields.join(QLatin1Char('\t')).toUtf8() + '\n';
            QString reading;
            for (const QString& content : row.contents)
                reading += content + QLatin1Char('\n');
            if (readings.contains(reading))
                fail(QStringLiteral("%1 and %2 read as another pair does").arg(man.name, woman.name));
            readings.insert(reading);
        }
    }
    QSaveFile out(outPath);
    if (!out.open(QIODevice::WriteOnly) || out.write(tsv) != tsv.size() || !out.commit())
        fail(QStringLiteral("cannot write %1: %2").arg(outPath, out.errorString()));
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: lumora-pairings PAIRING_DIR OUT.tsv\n");
        return 1;
    }
    try {
        writeTable(readSources(args[0]), args[1]);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "lumora-pairings: %s\n", error.what());
        return 1;
    }
    return 0;
}
