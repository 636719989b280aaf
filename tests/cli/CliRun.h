#pragma once
// Runs lumora-cli in-process over strings, for the command-line tests.

#include "cli/Cli.h"

#include <QCoreApplication>
#include <QDate>
#include <QString>
#include <QStringList>
#include <QTextStream>

struct CliRun {
    int status = -1;
    QString out;
    QString err;
};

// The day every test takes for today, the data files the build put beside the tests, and
// standard output not a terminal.
inline lumora::CliContext pinnedContext()
{
    return lumora::CliContext{QDate(2015, 6, 9), QCoreApplication::applicationDirPath(), false, {}, {}};
}

inline CliRun run(const QStringList& args, const lumora::CliContext& context)
{
    CliRun result;
    QTextStream out(&result.out);
    QTextStream err(&result.err);
    result.status = lumora::runCli(args, context, out, err);
    out.flush();
    err.flush();
    return result;
}

inline CliRun run(const QStringList& args)
{
    return run(args, pinnedContext());
}
