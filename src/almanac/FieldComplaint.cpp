#include "almanac/FieldComplaint.h"

#include "data/ShownText.h"

namespace lumora {

QString fieldComplaint(QStringView field, const QString& typed, QStringView hint)
{
    if (typed.isEmpty())
        return QStringLiteral("没有填写%1。").arg(field);
    return QStringLiteral("%1“%2”无效，%3。").arg(field, shownText(typed), hint);
}

} // namespace lumora
