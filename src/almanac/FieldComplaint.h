#pragma once

#include <QString>
#include <QStringView>

namespace lumora {

// The day search's line about a typed field that matches nothing: "没有填写<field>。" for
// an empty text, else "<field>“<typed>”无效，<hint>。", the typed text quoted as seen.
QString fieldComplaint(QStringView field, const QString& typed, QStringView hint);

} // namespace lumora
