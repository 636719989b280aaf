#pragma once
// One function per subcommand. Cli.cpp reads the options and hands each command an
// Invocation: its positional arguments and what the options and the context decided.

#include "cli/Cli.h"

#include <QStringList>
#include <QStringView>
#include <QTextStream>

#include <span>
#include <utility>

namespace lumora::cli {

// A name and what it means: a column of `calendar`, an option, an exit status.
struct HelpRow {
    QStringView name;
    QStringView meaning;
};

struct Invocation {
    const CliContext& context;
    QStringList args;                          // the arguments after the command's name, options taken out
    QStringList flags;                         // the command's own options given, e.g. "--header"
    QList<std::pair<QString, QString>> values; // options with a value, e.g. {"--max", "5"}, in order
    bool colour = false;                       // whether to write ANSI colours
    QString usageLine;                         // "lumora-cli calendar [--header] FROM [TO]"
    std::span<const HelpRow> columns;          // calendar: its tab-separated columns, in order

    bool hasFlag(QStringView flag) const { return flags.contains(flag); }
    // The value of the option's last use; null when it is not given.
    QString value(QStringView option) const
    {
        for (auto it = values.crbegin(); it != values.crend(); ++it)
            if (it->first == option)
                return it->second;
        return {};
    }
};

// Writes the command's usage line as a complaint and returns ExitBadInput.
int usageComplaint(const Invocation& invocation, QTextStream& err);

int almanac(const Invocation& invocation, QTextStream& out, QTextStream& err);
int hours(const Invocation& invocation, QTextStream& out, QTextStream& err);
int calendar(const Invocation& invocation, QTextStream& out, QTextStream& err);
int month(const Invocation& invocation, QTextStream& out, QTextStream& err);
int chart(const Invocation& invocation, QTextStream& out, QTextStream& err);
int number(const Invocation& invocation, QTextStream& out, QTextStream& err);
int phone(const Invocation& invocation, QTextStream& out, QTextStream& err);
int pinyin(const Invocation& invocation, QTextStream& out, QTextStream& err);
int netname(const Invocation& invocation, QTextStream& out, QTextStream& err);
int bodysign(const Invocation& invocation, QTextStream& out, QTextStream& err);
int search(const Invocation& invocation, QTextStream& out, QTextStream& err);
int pair(const Invocation& invocation, QTextStream& out, QTextStream& err);

// The twelve zodiac animals as `pair` takes them, "鼠 牛 … 猪".
QString animalList();

} // namespace lumora::cli
