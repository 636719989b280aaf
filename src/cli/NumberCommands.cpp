#include "cli/Cli.h"
#include "cli/Commands.h"
#include "data/Error.h"
#include "data/NumberReading.h"
#include "data/Query.h"
#include "data/uShare.h"
#include "divination/PhoneReading.h"

namespace lumora::cli {
namespace {

constexpr QStringView kStateCaption = u"状态：";
constexpr QStringView kVerdictCaption = u"吉凶：";
constexpr QStringView kDetailsCaption = u"具体表现：";
constexpr QStringView kNumberCaption = u"输入号码是：";
constexpr QStringView kQqNumberCaption = u"qq号码是：";
constexpr QStringView kPhoneNumberCaption = u"手机号码是：";
// The windows' complaints about an empty box.
constexpr QStringView kNoNumber = u"请输入你的号码！";
constexpr QStringView kNoQqNumber = u"请输入你的QQ号码！";
constexpr QStringView kNoPhoneNumber = u"请输入11位手机号码！";

// The windows' result lines: a caption, then the value.
void writeResultLines(QTextStream& out, QStringView numberCaption, const QString& number, const QString& state,
                      const QString& verdict, const QString& details)
{
    out << numberCaption << number << '\n'
        << kStateCaption << state << '\n'
        << kVerdictCaption << verdict << '\n'
        << kDetailsCaption << details << '\n';
}

} // namespace

int number(const Invocation& invocation, QTextStream& out, QTextStream& err)
{
    if (invocation.args.size() != 1)
        return usageComplaint(invocation, err);
    const bool qq = invocation.hasFlag(u"--qq");
    // Trimmed as the number windows trim their box; what is left is shown as typed.
    const QString typed = invocation.args.first().trimmed();
    if (typed.isEmpty()) {
        err << (qq ? kNoQqNumber : kNoNumber) << '\n';
        return ExitBadInput;
    }
    QString entry;
    try {
        entry = numberinfostr(typed);
    } catch (const Error& error) {
        err << error.message() << '\n';
        return ExitBadInput;
    }
    if (invocation.hasFlag(u"--raw")) {
        out << entry << '\n';
        return ExitOk;
    }
    const NumberReading reading = splitNumberReading(entry);
    writeResultLines(out, qq ? kQqNumberCaption : kNumberCaption, typed, reading.summary, reading.verdict,
                     reading.personality);
    return ExitOk;
}

int phone(const Invocation& invocation, QTextStream& out, QTextStream& err)
{
    if (invocation.args.size() != 1)
        return usageComplaint(invocation, err);
    const QString typed = invocation.args.first().trimmed();
    if (typed.isEmpty()) {
        err << kNoPhoneNumber << '\n';
        return ExitBadInput;
    }
    QString key;
    try {
        key = shoujiinfostr(typed);
    } catch (const Error& error) {
        err << error.message() << '\n';
        return ExitBadInput;
    }
    if (invocation.hasFlag(u"--key")) {
        out << key << '\n';
        return ExitOk;
    }

    std::optional<PhoneReading> reading;
    try {
        Query query;
        query.setConnectionString(dreamConnectionStringIn(invocation.context.dataFolder));
        reading = queryPhoneReading(query, key);
    } catch (const Error& error) {
        err << error.message() << '\n';
        return ExitDataFile;
    }
    if (!reading) {
        err << QStringLiteral("dream.dll 中没有键 %1 的手机号码解读").arg(key) << '\n';
        return ExitNotFound;
    }
    writeResultLines(out, kPhoneNumberCaption, typed, reading->title, reading->verdict, reading->content);
    return ExitOk;
}

} // namespace lumora::cli
