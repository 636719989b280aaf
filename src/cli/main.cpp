#include "cli/Cli.h"

#include <QCoreApplication>
#include <QFile>
#include <QTextStream>

#include <csignal>
#include <cstdio>

#ifdef Q_OS_WIN
#include <io.h>
#else
#include <unistd.h>
#endif

namespace {

bool stdoutIsTerminal()
{
#ifdef Q_OS_WIN
    return _isatty(_fileno(stdout)) != 0;
#else
    return isatty(STDOUT_FILENO) == 1;
#endif
}

} // namespace

int main(int argc, char* argv[])
{
#ifdef SIGPIPE
    // A reader that went away (`| head -1`) then makes a failed write, reported with its
    // own exit status, instead of killing the program unannounced.
    std::signal(SIGPIPE, SIG_IGN);
#endif
    QCoreApplication app(argc, argv);
    const lumora::CliContext context{QDate::currentDate(), QCoreApplication::applicationDirPath(), stdoutIsTerminal(),
                                     qEnvironmentVariable("NO_COLOR"), qEnvironmentVariable("TERM")};

    // Unbuffered, so a failed write shows in the stream's status at the next flush rather
    // than hiding in a C library buffer.
    QFile stdoutFile;
    QFile stderrFile;
    if (!stdoutFile.open(fileno(stdout), QIODevice::WriteOnly | QIODevice::Unbuffered, QFileDevice::DontCloseHandle) ||
        !stderrFile.open(fileno(stderr), QIODevice::WriteOnly | QIODevice::Unbuffered, QFileDevice::DontCloseHandle)) {
        std::fputs("lumora-cli: cannot open the standard streams\n", stderr);
        return lumora::ExitWriteFailed;
    }
    QTextStream out(&stdoutFile);
    QTextStream err(&stderrFile);
    out.setEncoding(QStringConverter::Utf8);
    err.setEncoding(QStringConverter::Utf8);
    return lumora::runCli(app.arguments().mid(1), context, out, err);
}
