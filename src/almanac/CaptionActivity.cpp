#include "almanac/CaptionActivity.h"

#include <QStringEncoder>

namespace lumora {
namespace {

constexpr qsizetype kActivityBytes = 4;

} // namespace

QString activityOfCaption(const QString& caption)
{
    QStringEncoder gbk("GBK");
    qsizetype bytes = 0;
    qsizetype units = 0;
    while (units < caption.size()) {
        // A character outside the basic plane is two UTF-16 units, one character all the same.
        const qsizetype length = caption[units].isHighSurrogate() && units + 1 < caption.size() ? 2 : 1;
        const QByteArray encoded = gbk.encode(QStringView(caption).sliced(units, length));
        bytes += encoded.size();
        if (bytes > kActivityBytes)
            break;
        units += length;
    }
    return caption.first(units);
}

} // namespace lumora
