#include "data/uShare.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>

namespace lumora {
namespace {

// A connection-string value as written: plain when nothing in it would be read as syntax,
// else quoted as OLE DB quotes values (double quotes, or single quotes around a value that
// holds a double quote; the enclosing quote doubled inside when the value holds both).
QString quotedValue(const QString& value)
{
    const bool plain = !value.isEmpty() && !value.front().isSpace() && !value.back().isSpace() &&
                       !value.contains(QLatin1Char(';')) && !value.contains(QLatin1Char('=')) &&
                       !value.contains(QLatin1Char('"')) && !value.contains(QLatin1Char('\''));
    if (plain)
        return value;
    if (!value.contains(QLatin1Char('"')))
        return QLatin1Char('"') + value + QLatin1Char('"');
    if (!value.contains(QLatin1Char('\'')))
        return QLatin1Char('\'') + value + QLatin1Char('\'');
    QString doubled = value;
    doubled.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + doubled + QLatin1Char('"');
}

QString connectionStringFor(const QString& folder, const QString& fileName)
{
    const QString path = QDir(folder).filePath(fileName);
    return QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=%1;Persist Security Info=True")
        .arg(quotedValue(QDir::toNativeSeparators(path)));
}

// A non-empty run of ASCII digits read as a number; -1 otherwise or when it is too long
// to be any valid part of a date.
int digitsValue(const QString& part)
{
    if (part.isEmpty() || part.size() > 9)
        return -1;
    int value = 0;
    for (const QChar c : part) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return -1;
        value = value * 10 + (c.unicode() - '0');
    }
    return value;
}

bool isValidDate(const QString& year, const QString& month, const QString& day)
{
    const int y = digitsValue(year);
    const int m = digitsValue(month);
    const int d = digitsValue(day);
    if (y < 1 || y > 9999 || m < 1 || m > 12 || d < 1)
        return false;
    return d <= QDate(y, m, 1).daysInMonth();
}

} // namespace

QString DreamConnectionString()
{
    return dreamConnectionStringIn(QCoreApplication::applicationDirPath());
}

QString BirthConnectionString()
{
    return birthConnectionStringIn(QCoreApplication::applicationDirPath());
}

QString dreamConnectionStringIn(const QString& folder)
{
    return connectionStringFor(folder, QStringLiteral("dream.dll"));
}

QString birthConnectionStringIn(const QString& folder)
{
    return connectionStringFor(folder, QStringLiteral("VeltaBirth.dll"));
}

PickedDateCheck CheckPickedDate(const QString& year, const QString& month, const QString& day)
{
    PickedDate picked{year.trimmed(), month.trimmed(), day.trimmed(), QString()};
    if (picked.year.isEmpty())
        return PickedDateComplaint{QStringLiteral("请选择年!")};
    if (picked.month.isEmpty())
        return PickedDateComplaint{QStringLiteral("请选择月!")};
    if (picked.day.isEmpty())
        return PickedDateComplaint{QStringLiteral("请选择日!")};
    if (!isValidDate(picked.year, picked.month, picked.day))
        return PickedDateComplaint{QStringLiteral("请选择有效的日期!")};
    picked.dateText = picked.year + QLatin1Char('-') + picked.month + QLatin1Char('-') + picked.day;
    return picked;
}

} // namespace lumora
