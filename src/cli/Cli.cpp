#include "cli/Cli.h"

#include "cli/ArgumentText.h"
#include "cli/Commands.h"
#include "cli/DateArguments.h"

#include <QIODevice>

#include <algorithm>
#include <array>
#include <utility>

namespace lumora {
namespace {

using cli::HelpRow;
using cli::Invocation;
using RunCommand = int (*)(const Invocation&, QTextStream&, QTextStream&);

int help(const Invocation& invocation, QTextStream& out, QTextStream& err);

struct Command {
    QStringView name;
    QStringView synopsis;
    QStringView description;
    // What the arguments are; see filledIn() for the words in braces.
    QStringView argumentsNote;
    std::span<const HelpRow> options; // the command's own, besides the common ones
    std::span<const HelpRow> columns;
    RunCommand run;
};

struct ExitRow {
    ExitCode code;
    QStringView meaning;
};

enum class ColourMode { Auto, Always, Never };

struct ColourModeName {
    QStringView name;
    ColourMode mode;
};

// clang-format off
// The fields of a `calendar` line, in the order CalendarCommands.cpp writes them.
constexpr std::array kCalendarColumns{
    HelpRow{u"date",           u"the day, YYYY-MM-DD"},
    HelpRow{u"lunar_code",     u"lunar month × 100 + lunar day, negative in a leap month (101: 正月初一, -401: 闰四月初一)"},
    HelpRow{u"term_number",    u"the solar term falling on the day, 1 小寒 … 24 冬至 in the Gregorian year's order; 0 for none"},
    HelpRow{u"lunar_month",    u"the lunar month: 正月 二月 … 十月 冬月 腊月, a leap month as 闰四"},
    HelpRow{u"lunar_day",      u"the lunar day: 初一 … 三十"},
    HelpRow{u"lunar_festival", u"春节 元宵节 端午节 七夕节 中秋节 重阳节 腊八节 or 除夕; empty on other days"},
    HelpRow{u"zodiac",         u"the lunar year's branch and animal, e.g. 未羊"},
    HelpRow{u"solar_term",     u"the name of the solar term falling on the day, e.g. 雨水; empty on other days"},
    HelpRow{u"festival",       u"the Gregorian festival, e.g. 元旦节, 母亲节; empty on other days"},
    HelpRow{u"constellation",  u"the star sign, e.g. 双鱼座"},
};

// The fields of an `hours` line, as DoubleHour::fields() gives them.
constexpr std::array kHoursColumns{
    HelpRow{u"range",    u"the double-hour: 00:00-00:59 (early 子), 01:00-02:59 … 21:00-22:59, 23:00-23:59 (late 子)"},
    HelpRow{u"ganzhi",   u"the hour's stem and branch, e.g. 戊子"},
    HelpRow{u"duty_god", u"the hour's duty god (值神), e.g. 天牢"},
    HelpRow{u"path",     u"黄道 or 黑道"},
    HelpRow{u"luck",     u"吉 or 凶"},
    HelpRow{u"clash",    u"written like the day's: 冲马(壬午)煞南"},
    HelpRow{u"yi",       u"what the hour suits, separated by single blanks; 无 for nothing"},
    HelpRow{u"ji",       u"what the hour is to be avoided for, likewise"},
};

constexpr std::array kAlmanacOptions{
    HelpRow{u"--full", u"then the day's duty god (值神), lunar mansion (星宿) and the directions of the gods of joy, "
                       u"fortune and wealth and of the two nobles (吉神方位), each after an empty line"},
};

constexpr std::array kCalendarOptions{
    HelpRow{u"--header", u"first print a line of the column names"},
};

constexpr std::array kNumberOptions{
    HelpRow{u"--qq",  u"word the reading as the QQ-number window does"},
    HelpRow{u"--raw", u"print the reading as one line, its three fields separated by |"},
};

constexpr std::array kPhoneOptions{
    HelpRow{u"--key", u"print only the key, 0 to 79, without reading dream.dll"},
};

constexpr std::array kPinyinOptions{
    HelpRow{u"--options N", u"a bit set: 1 whole syllables, 2 \"?\" for a character without a reading, 4 keep every "
                            u"other character too; negative: nothing; 2 when left out"},
    HelpRow{u"--max N",     u"cut the result to N characters; 255 when left out"},
};

constexpr std::array kSearchOptions{
    HelpRow{u"--activity A",          u"the activity, one word of the almanac's lists (开市, 入宅, 出行, …); 嫁娶 when left out"},
    HelpRow{u"--span S",              u"how many days from the first one: 3天以内, 一周以内, 一月以内 (when left out), 三月以内, "
                                      u"半年以内 or 一年以年"},
    HelpRow{u"--avoid",               u"the days on which the activity is to be avoided (忌), not those that suit it (宜)"},
    HelpRow{u"--person DATE[ HH:MM]", u"a person's Gregorian birth (00:00 when left out), once per person: 人员1, 人员2, …; "
                                      u"days that clash with a person's zodiac animal are left out"},
    HelpRow{u"--exclude DIRS",        u"leave out the days whose 煞 lies in these directions: any of 东,南,西,北, separated by "
                                      u"commas"},
    HelpRow{u"--from DATE",           u"the first day of the span instead of today: YYYY-MM-DD"},
    HelpRow{u"--huangdao",            u"keep only 黄道 days, those whose duty god (值神) is 黄道; the heading says so"},
};

// Accepted before the command and after it.
constexpr std::array kCommonOptions{
    HelpRow{u"--color=WHEN", u"colour the month view: auto (on a terminal, unless NO_COLOR or TERM=dumb), always, never"},
    HelpRow{u"-h, --help",   u"print the usage and exit"},
    HelpRow{u"--",           u"end the options: what follows are arguments"},
};

constexpr std::array kColourModes{
    ColourModeName{u"auto",   ColourMode::Auto},
    ColourModeName{u"always", ColourMode::Always},
    ColourModeName{u"never",  ColourMode::Never},
};

constexpr std::array kExitStatuses{
    ExitRow{ExitOk,          u"done"},
    ExitRow{ExitBadInput,    u"bad input; the complaint is on standard error"},
    ExitRow{ExitDataFile,    u"a data file is missing or unreadable"},
    ExitRow{ExitNotFound,    u"no entry for that day, phone key or pair of animals, a date outside {first} to {last}, "
                             u"or a search span reaching past the almanac data (the search's lines are printed all the same)"},
    ExitRow{ExitWriteFailed, u"the output could not be written"},
};

// The one table every usage text comes from.
constexpr std::array kCommands{
    Command{u"almanac", u"[--full] [DATE]", u"the daily almanac entry of DATE; today's without one",
            u"DATE: {dates}", kAlmanacOptions, {}, &cli::almanac},
    Command{u"hours", u"[DATE]", u"the thirteen double-hours (时辰吉凶) of DATE, one tab-separated line each; "
                                 u"today's without DATE",
            u"DATE: {dates}", {}, kHoursColumns, &cli::hours},
    Command{u"calendar", u"[--header] FROM [TO]",
            u"one tab-separated line per day: lunar date, solar term, festivals, zodiac, star sign",
            u"FROM, TO: {dates}; both in one form, TO the same as FROM when left out",
            kCalendarOptions, kCalendarColumns, &cli::calendar},
    Command{u"month", u"YEAR MONTH", u"a month of the perpetual calendar, today marked when in colour",
            u"YEAR MONTH: whole numbers, leading zeros optional (2015 6, 2015 06), from {first} to {last}",
            {}, {}, &cli::month},
    Command{u"chart", u"", u"the boy-or-girl conception chart", {}, {}, {}, &cli::chart},
    Command{u"number", u"[--qq] [--raw] NUMBER", u"the eighty-one numerology reading of NUMBER",
            u"NUMBER: decimal digits, an optional leading minus, leading zeros allowed (kept in the echo), "
            u"within the signed 64-bit range; blanks around it are trimmed",
            kNumberOptions, {}, &cli::number},
    Command{u"phone", u"[--key] NUMBER", u"the reading of a mobile phone number, from dream.dll",
            u"NUMBER: the phone number; its 8th to 11th characters, digits, give the key; blanks around it are "
            u"trimmed",
            kPhoneOptions, {}, &cli::phone},
    Command{u"pinyin", u"[--options N] [--max N] TEXT", u"the pinyin initials of TEXT, as the net-name window reads them",
            u"TEXT: Chinese characters become their pinyin initials, full-width letters and digits, numerals and "
            u"Greek letters Latin ones; a character GBK cannot hold counts as one without a reading",
            kPinyinOptions, {}, &cli::pinyin},
    Command{u"netname", u"NAME", u"the personality of an on-line nickname, from the last letter of its pinyin initials",
            u"NAME: any text; blanks around it are trimmed, Latin letters shown in upper case as the window's box does",
            {}, {}, &cli::netname},
    Command{u"bodysign", u"PAGE", u"the reading of a bodily sign by the double-hour at which it happens",
            u"PAGE: 0 sneezing, 1 a hot face, 2 a start of the heart, 3 a dog's barking, 4 a twitching eye, "
            u"5 hot ears, 6 ringing ears",
            {}, {}, &cli::bodysign},
    Command{u"search", u"[OPTIONS]",
            u"the days from today within a span that suit an activity, clear of the persons' clashes",
            u"Prints the search windows' result: the conditions, one line per day kept (date, weekday, lunar date, the "
            u"day's stem and branch, its clash; ★ and the harmony where the day is in 六合 or 三合 with every "
            u"person), a closing count",
            kSearchOptions, {}, &cli::search},
    Command{u"pair", u"MAN WOMAN", u"the zodiac pairing of a man's and a woman's animal, from VeltaBirth.dll",
            u"MAN, WOMAN: a zodiac animal each, one character: {animals}", {}, {}, &cli::pair},
    Command{u"help", u"[COMMAND]", u"this text, or the usage of COMMAND", {}, {}, {}, &help},
};
// clang-format on

constexpr QStringView kProgram = u"lumora-cli";
constexpr QStringView kDatesNote = u"{forms}, leading zeros optional (2015-6-9, 2015 06 09), from {first} to {last}";

// {dates} becomes the note on dates, {forms} the date forms, {first} and {last} the first
// and last day of the lunar tables, {animals} the zodiac animals.
QString filledIn(QStringView note)
{
    return note.toString()
        .replace(QStringLiteral("{animals}"), cli::animalList())
        .replace(QStringLiteral("{dates}"), kDatesNote.toString())
        .replace(QStringLiteral("{forms}"), cli::kDateForms.toString())
        .replace(QStringLiteral("{first}"), cli::firstCnDay().toString(Qt::ISODate))
        .replace(QStringLiteral("{last}"), cli::lastCnDay().toString(Qt::ISODate));
}

QString usageLine(const Command& command)
{
    QString line = kProgram.toString() + u' ' + command.name.toString();
    if (!command.synopsis.isEmpty())
        line += u' ' + command.synopsis.toString();
    return line;
}

using TextRows = QList<std::pair<QString, QString>>;

// Rows as "  name  meaning", the meanings in one column.
void writeRows(QTextStream& out, const TextRows& rows)
{
    qsizetype width = 0;
    for (const auto& [name, meaning] : rows)
        width = std::max(width, name.size());
    for (const auto& [name, meaning] : rows)
        out << "  " << name.leftJustified(width) << "  " << meaning << '\n';
}

TextRows helpRows(std::span<const HelpRow> rows)
{
    TextRows texts;
    for (const HelpRow& row : rows)
        texts.append({row.name.toString(), filledIn(row.meaning)});
    return texts;
}

void writeProgramHelp(QTextStream& out)
{
    out << "usage: " << kProgram << " [--color=WHEN] COMMAND [ARGS...]\n"
        << "       " << kProgram << " COMMAND --help\n\ncommands:\n";
    TextRows commands;
    for (const Command& command : kCommands)
        commands.append({usageLine(command).mid(kProgram.size() + 1), command.description.toString()});
    writeRows(out, commands);
    out << "\noptions:\n";
    writeRows(out, helpRows(kCommonOptions));
    out << '\n' << filledIn(u"DATE, FROM, TO: {dates}") << "\n\nexit status:\n";
    TextRows statuses;
    for (const ExitRow& row : kExitStatuses)
        statuses.append({QString::number(row.code), filledIn(row.meaning)});
    writeRows(out, statuses);
}

void writeCommandHelp(QTextStream& out, const Command& command)
{
    out << "usage: " << usageLine(command) << "\n\n" << command.description << '\n';
    if (!command.argumentsNote.isEmpty())
        out << filledIn(command.argumentsNote) << '\n';
    out << "\noptions:\n";
    writeRows(out, helpRows(command.options) + helpRows(kCommonOptions));
    if (!command.columns.empty()) {
        out << "\ncolumns, separated by tabs:\n";
        TextRows columns;
        for (const HelpRow& column : command.columns)
            columns.append(
                {QStringLiteral("%1 %2").arg(columns.size() + 1, 2).arg(column.name), column.meaning.toString()});
        writeRows(out, columns);
    }
}

const Command* commandNamed(QStringView name)
{
    const auto* found = std::find_if(kCommands.begin(), kCommands.end(),
                                     [name](const Command& command) { return command.name == name; });
    return found == kCommands.end() ? nullptr : &*found;
}

// "--max N" is the option "--max" with a value; "--key" a flag.
QStringView optionName(const HelpRow& option)
{
    const qsizetype blank = option.name.indexOf(u' ');
    return blank < 0 ? option.name : option.name.first(blank);
}

bool takesValue(const HelpRow& option)
{
    return option.name.contains(u' ');
}

// The command's option that `arg` names: "--max" or "--max=5" for "--max N", "--key" for "--key".
const HelpRow* optionNamed(const Command& command, QStringView arg)
{
    for (const HelpRow& option : command.options) {
        const QStringView name = optionName(option);
        if (arg == name || (takesValue(option) && arg.startsWith(name) && arg.sliced(name.size()).startsWith(u'=')))
            return &option;
    }
    return nullptr;
}

int unknownCommand(QTextStream& err, QStringView name)
{
    err << kProgram << ": unknown command " << cli::shownArgument(name) << "; run '" << kProgram
        << " --help' for the commands\n";
    return ExitBadInput;
}

// "-x" and "--word" are options; "-" alone and "-1" (a negative number) are arguments.
bool looksLikeOption(QStringView arg)
{
    return arg.size() > 1 && arg[0] == u'-' && !arg[1].isDigit();
}

bool isHelpOption(QStringView arg)
{
    return arg == u"-h" || arg == u"--help";
}

bool isColourOption(QStringView arg)
{
    return arg == u"--color" || arg.startsWith(u"--color=");
}

// Sets `mode` from a --color option; false, after the complaint, for an unknown value.
bool readColourOption(QStringView arg, ColourMode& mode, QTextStream& err)
{
    const QStringView value = arg.sliced(std::min(arg.size(), QStringView(u"--color=").size()));
    for (const ColourModeName& name : kColourModes) {
        if (name.name == value) {
            mode = name.mode;
            return true;
        }
    }
    err << kProgram << ": " << cli::shownArgument(arg) << " is none of --color=auto, --color=always, --color=never\n";
    return false;
}

bool colourWanted(ColourMode mode, const CliContext& context)
{
    switch (mode) {
    case ColourMode::Always:
        return true;
    case ColourMode::Never:
        return false;
    case ColourMode::Auto:
        break;
    }
    return context.stdoutIsTerminal && context.noColor.isEmpty() && context.term != u"dumb";
}

int help(const Invocation& invocation, QTextStream& out, QTextStream& err)
{
    if (invocation.args.size() > 1)
        return cli::usageComplaint(invocation, err);
    if (invocation.args.isEmpty()) {
        writeProgramHelp(out);
        return ExitOk;
    }
    const Command* command = commandNamed(invocation.args.first());
    if (command == nullptr)
        return unknownCommand(err, invocation.args.first());
    writeCommandHelp(out, *command);
    return ExitOk;
}

int dispatch(const QStringList& args, const CliContext& context, QTextStream& out, QTextStream& err)
{
    ColourMode colourMode = ColourMode::Auto;
    qsizetype next = 0;
    for (; next < args.size() && looksLikeOption(args[next]); ++next) {
        const QString& arg = args[next];
        if (arg == u"--") {
            ++next;
            break;
        }
        if (isHelpOption(arg)) {
            writeProgramHelp(out);
            return ExitOk;
        }
        if (!isColourOption(arg)) {
            err << kProgram << ": unknown option " << cli::shownArgument(arg) << "; run '" << kProgram
                << " --help' for the options\n";
            return ExitBadInput;
        }
        if (!readColourOption(arg, colourMode, err))
            return ExitBadInput;
    }
    if (next == args.size()) {
        writeProgramHelp(err);
        return ExitBadInput;
    }

    const Command* command = commandNamed(args[next]);
    if (command == nullptr)
        return unknownCommand(err, args[next]);
    Invocation invocation{context, {}, {}, {}, false, usageLine(*command), command->columns};
    bool optionsEnded = false;
    for (++next; next < args.size(); ++next) {
        const QString& arg = args[next];
        if (optionsEnded || !looksLikeOption(arg)) {
            invocation.args << arg;
        } else if (arg == u"--") {
            optionsEnded = true;
        } else if (isHelpOption(arg)) {
            writeCommandHelp(out, *command);
            return ExitOk;
        } else if (isColourOption(arg)) {
            if (!readColourOption(arg, colourMode, err))
                return ExitBadInput;
        } else if (const HelpRow* option = optionNamed(*command, arg); option == nullptr) {
            err << kProgram << ' ' << command->name << ": unknown option " << cli::shownArgument(arg) << '\n';
            return cli::usageComplaint(invocation, err);
        } else if (!takesValue(*option)) {
            invocation.flags << arg;
        } else {
            const QStringView name = optionName(*option);
            if (arg.size() > name.size()) {
                invocation.values.append({name.toString(), arg.sliced(name.size() + 1)});
            } else if (next + 1 < args.size()) {
                invocation.values.append({name.toString(), args[++next]});
            } else {
                err << kProgram << ' ' << command->name << ": " << name << " wants a value\n";
                return cli::usageComplaint(invocation, err);
            }
        }
    }
    invocation.colour = colourWanted(colourMode, context);
    return command->run(invocation, out, err);
}

// Everything written to out reaches the device only here at the latest; a full disk or a
// reader that went away turns any outcome into ExitWriteFailed.
int checkedOutput(int status, QTextStream& out, QTextStream& err)
{
    out.flush();
    if (out.status() == QTextStream::Ok)
        return status;
    err << kProgram << ": could not write the output";
    if (const QIODevice* device = out.device(); device != nullptr && !device->errorString().isEmpty())
        err << ": " << device->errorString();
    err << '\n';
    err.flush();
    return ExitWriteFailed;
}

} // namespace

namespace cli {

int usageComplaint(const Invocation& invocation, QTextStream& err)
{
    err << "usage: " << invocation.usageLine << '\n';
    return ExitBadInput;
}

} // namespace cli

int runCli(const QStringList& args, const CliContext& context, QTextStream& out, QTextStream& err)
{
    return checkedOutput(dispatch(args, context, out, err), out, err);
}

} // namespace lumora
