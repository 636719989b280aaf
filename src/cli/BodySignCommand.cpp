#include "almanac/BodySigns.h"
#include "cli/ArgumentText.h"
#include "cli/Cli.h"
#include "cli/Commands.h"

#include <algorithm>

namespace lumora::cli {
namespace {

// The page an argument names, in decimal digits (leading zeros allowed); -1 for none.
int pageNamed(const QString& arg)
{
    const bool digitsOnly =
        !arg.isEmpty() && std::all_of(arg.cbegin(), arg.cend(), [](QChar c) { return c >= u'0' && c <= u'9'; });
    bool fits = false;
    const int page = digitsOnly ? arg.toInt(&fits) : -1;
    return fits && isBodySignPage(page) ? page : -1;
}

} // namespace

int bodysign(const Invocation& invocation, QTextStream& out, QTextStream& err)
{
    if (invocation.args.size() != 1)
        return usageComplaint(invocation, err);
    const int page = pageNamed(invocation.args.first());
    if (page < 0) {
        err << "lumora-cli bodysign: no page " << shownArgument(invocation.args.first()) << "; the pages are 0 to "
            << kBodySignPageCount - 1 << '\n';
        return ExitBadInput;
    }
    out << bodySignText(page) << '\n';
    return ExitOk;
}

} // namespace lumora::cli
