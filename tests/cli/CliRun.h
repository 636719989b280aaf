#pragma once
// Runs lumora-cli in-process over strings, for the command-line tests.

#include "cli/Cli.h"

#include <QString>
#include <QStringList>
#include <QTextStream>

struct CliRun {
    int status = -1;
    QString out;
    QString err;
};

inline CliRun run(const QStringList& args)
{
    CliRun result;
    QTextStream out(&result.out);
    QTextStream err(&result.err);
    result.status = lumora::runCli(args, out, err);
    out.flush();
    err.flush();
    return result;
}
