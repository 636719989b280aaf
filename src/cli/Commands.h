#pragma once
// One function per subcommand; args exclude the subcommand's own name.

#include <QStringList>
#include <QTextStream>

namespace lumora::cli {

int almanac(const QStringList& args, QTextStream& out, QTextStream& err);
int calendar(const QStringList& args, QTextStream& out, QTextStream& err);
int month(const QStringList& args, QTextStream& out, QTextStream& err);
int chart(const QStringList& args, QTextStream& out, QTextStream& err);

} // namespace lumora::cli
