#pragma once
// lumora-cli: every subcommand takes its arguments and writes UTF-8 records to out,
// complaints to err, and returns the exit status. runCli reads the options, picks the
// subcommand from the one command table (Cli.cpp, which also yields every usage text),
// and turns a failed write to out into ExitWriteFailed. main() only builds the context
// and wires the standard streams.
//
//   main ──context, args──> runCli ──Invocation──> almanac / calendar / month / chart / number / phone / search
//                                                    │ dates through DateArguments.h
//                                                    └ echoes through ArgumentText.h

#include <QDate>
#include <QString>
#include <QStringList>
#include <QTextStream>

namespace lumora {

enum ExitCode : int {
    ExitOk = 0,
    ExitBadInput = 1,
    ExitDataFile = 2,
    ExitNotFound = 3, // no entry for that day or phone key, a date outside the lunar tables, or a
                      // search span reaching past the almanac data
    ExitWriteFailed = 4,
};

// What the CLI would otherwise ask the system for, so tests can pin it.
struct CliContext {
    QDate today;
    QString dataFolder;            // where VeltaBirth.dll and dream.dll lie
    bool stdoutIsTerminal = false; // colour in auto mode needs a person at a terminal
    QString noColor;               // NO_COLOR: any non-empty value turns auto colour off
    QString term;                  // TERM: "dumb" turns auto colour off
};

// args excludes the program name: {"almanac", "2015", "6", "9"}.
int runCli(const QStringList& args, const CliContext& context, QTextStream& out, QTextStream& err);

} // namespace lumora
