#pragma once
// lumora-cli: every subcommand takes its arguments and writes UTF-8 records to out,
// complaints to err, and returns the exit status (0 ok, 1 bad input, 2 data file
// unusable, 3 nothing found). main() only wires the standard streams.

#include <QStringList>
#include <QTextStream>

namespace lumora {

enum ExitCode : int {
    ExitOk = 0,
    ExitBadInput = 1,
    ExitDataFile = 2,
    ExitNotFound = 3,
};

// args excludes the program name: {"almanac", "2015", "6", "9"}.
int runCli(const QStringList& args, QTextStream& out, QTextStream& err);

} // namespace lumora
