#include "cli/Cli.h"

#include "cli/Commands.h"

#include <array>

namespace lumora {
namespace {

struct Command {
    const char* name;
    const char* usage;
    int (*run)(const QStringList&, QTextStream&, QTextStream&);
};

// clang-format off
constexpr std::array kCommands{
    Command{"almanac",  "almanac [YEAR MONTH DAY]   the daily almanac entry (today without arguments)", &cli::almanac},
    Command{"calendar", "calendar FROM [TO]         lunar date, terms, festivals and sign of each day (YYYY-MM-DD)", &cli::calendar},
    Command{"month",    "month YEAR MONTH           the perpetual calendar's month, 1901 to 2050", &cli::month},
    Command{"chart",    "chart                      the boy-or-girl conception chart", &cli::chart},
};
// clang-format on

void printUsage(QTextStream& stream)
{
    stream << "usage: lumora-cli COMMAND [ARGS...]\n\ncommands:\n";
    for (const Command& command : kCommands)
        stream << "  " << command.usage << '\n';
}

} // namespace

int runCli(const QStringList& args, QTextStream& out, QTextStream& err)
{
    if (args.isEmpty()) {
        printUsage(err);
        return ExitBadInput;
    }
    if (args.first() == QLatin1String("help") || args.first() == QLatin1String("--help")) {
        printUsage(out);
        return ExitOk;
    }
    for (const Command& command : kCommands) {
        if (args.first() == QLatin1String(command.name))
            return command.run(args.mid(1), out, err);
    }
    err << "lumora-cli: unknown command '" << args.first() << "'\n";
    printUsage(err);
    return ExitBadInput;
}

} // namespace lumora
