#include "cli/ArgumentText.h"
#include "cli/Cli.h"
#include "cli/Commands.h"
#include "divination/HanziToPinyin.h"

namespace lumora::cli {
namespace {

// What the net-name window passes.
constexpr int kDefaultOptions = kPinyinMarkUnmapped;
constexpr int kDefaultMaxLength = 255;

// Reads the option's whole number into `number`, which keeps its default when the option is
// not given; false, after the complaint, for a value that is not one.
bool readWholeNumber(const Invocation& invocation, QStringView option, int& number, QTextStream& err)
{
    const QString value = invocation.value(option);
    if (value.isNull())
        return true;
    bool ok = false;
    const int read = value.toInt(&ok);
    if (!ok) {
        err << "lumora-cli pinyin: " << option << " wants a whole number, not " << shownArgument(value) << '\n';
        return false;
    }
    number = read;
    return true;
}

} // namespace

int pinyin(const Invocation& invocation, QTextStream& out, QTextStream& err)
{
    if (invocation.args.size() != 1)
        return usageComplaint(invocation, err);
    int options = kDefaultOptions;
    int maxLength = kDefaultMaxLength;
    if (!readWholeNumber(invocation, u"--options", options, err) ||
        !readWholeNumber(invocation, u"--max", maxLength, err))
        return ExitBadInput;
    out << HanziToPinyin(invocation.args.first(), options, maxLength) << '\n';
    return ExitOk;
}

} // namespace lumora::cli
