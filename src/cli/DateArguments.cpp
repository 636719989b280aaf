#include "cli/DateArguments.h"

#include "calendar/DateCn.h"
#include "cli/ArgumentText.h"
#include "data/uShare.h"

namespace lumora::cli {
namespace {

constexpr qsizetype kMaxDigits = 9;

DateArgumentComplaint unreadable(QStringView argument)
{
    return {DateArgumentComplaint::Kind::Unreadable, blankOrControlComplaint(argument), {}};
}

// `shown` is the date's argument or arguments as shownArgument echoes them.
DateArgumentComplaint notADate(const QString& shown, const QString& pickedMessage = {})
{
    return {DateArgumentComplaint::Kind::NotADate,
            shown + QStringLiteral(" is not a date (") + kDateForms.toString() + u')', pickedMessage};
}

std::variant<DateArgument, DateArgumentComplaint> checkedDate(const QString& shown, const QString& year,
                                                              const QString& month, const QString& day)
{
    const PickedDateCheck check = CheckPickedDate(year, month, day);
    if (const auto* complaint = std::get_if<PickedDateComplaint>(&check))
        return notADate(shown, complaint->message);
    const PickedDate& picked = std::get<PickedDate>(check);
    // The check passed, so each part is a number and the three make a real day.
    const QDate date(picked.year.toInt(), picked.month.toInt(), picked.day.toInt());
    return DateArgument{date, picked.dateText};
}

std::variant<DateArgument, DateArgumentComplaint> oneArgumentDate(const QString& argument)
{
    if (holdsBlankOrControl(argument))
        return unreadable(argument);
    const QStringList parts = argument.split(u'-');
    if (parts.size() != 3)
        return notADate(shownArgument(argument));
    return checkedDate(shownArgument(argument), parts[0], parts[1], parts[2]);
}

std::variant<DateArgument, DateArgumentComplaint> threeArgumentDate(const QStringList& parts)
{
    QStringList shown;
    for (const QString& part : parts) {
        if (holdsBlankOrControl(part))
            return unreadable(part);
        shown << shownArgument(part);
    }
    return checkedDate(shown.join(u' '), parts[0], parts[1], parts[2]);
}

} // namespace

DateArguments parseDateArguments(const QStringList& args, int count)
{
    const bool oneEach = args.size() == count;
    if (!oneEach && args.size() != 3 * count)
        return DateArgumentComplaint{DateArgumentComplaint::Kind::WrongCount, {}, {}};
    QList<DateArgument> dates;
    for (int i = 0; i < count; ++i) {
        auto date = oneEach ? oneArgumentDate(args[i]) : threeArgumentDate(args.mid(3 * i, 3));
        if (auto* complaint = std::get_if<DateArgumentComplaint>(&date))
            return std::move(*complaint);
        dates << std::get<DateArgument>(date);
    }
    return dates;
}

std::optional<int> parseWholeNumber(QStringView text)
{
    if (text.isEmpty() || text.size() > kMaxDigits)
        return std::nullopt;
    int value = 0;
    for (const QChar c : text) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c.unicode() - u'0');
    }
    return value;
}

QDate firstCnDay()
{
    return QDate(kFirstCnYear, 1, 1);
}

QDate lastCnDay()
{
    return QDate(kLastCnYear, 12, 31);
}

QString outsideTablesComplaint(QStringView what)
{
    return what.toString() + QStringLiteral(" lies outside the lunar tables, which cover %1 to %2")
                                 .arg(firstCnDay().toString(Qt::ISODate), lastCnDay().toString(Qt::ISODate));
}

} // namespace lumora::cli
