// The command line in-process, on any argument list, with today pinned and the built data
// files: every subcommand, option and date parser that a script's arguments reach.
#include "FuzzInput.h"

#include "cli/Cli.h"

#include <QTextStream>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::ensureApplication();
    lumora::CliContext context;
    context.today = QDate(2015, 6, 9);
    context.dataFolder = QStringLiteral(LUMORA_FUZZ_DATA_FOLDER);
    QString written;
    QString complaints;
    QTextStream out(&written);
    QTextStream err(&complaints);
    lumora::runCli(fuzz::Input(data, size).texts(), context, out, err);
    return 0;
}
