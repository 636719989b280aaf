#include "divination/Unt_sjcs.h"

#include "data/Error.h"
#include "data/Query.h"
#include "data/uShare.h"
#include "divination/PhoneReading.h"
#include "forms/Opener.h"
#include "platform/ErrorReport.h"
#include "platform/Platform.h"

#include <QBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QShowEvent>

#include <optional>

namespace lumora {

TFrm_SJcs* Frm_SJcs = nullptr;

TFrm_SJcs::TFrm_SJcs(QWidget* parent)
    : ReadingForm({QStringLiteral("Frm_SJcs"), QStringLiteral("手机号码测算"), QStringLiteral("输入号码："),
                   ToolBox::Number, 11, QSize(440, 360)},
                  QStringLiteral("手机号码是："), parent)
{
    auto* hint = new QLabel(QStringLiteral("请注意：手机号码是11位，请正确输入。"), this);
    column().insertWidget(1, hint);

    RzLabel3 =
        new QLabel(QStringLiteral("注：有些人会问，手机号码为什么会影响一个人的运势？其实这就像风水、阳宅会影响运势"
                                  "命运的意义是一样的。虽然这只是一个号码，但是它与您的生活息息相关，也代表您与所"
                                  "有人的沟通桥梁！"),
                   this);
    RzLabel3->setObjectName(QStringLiteral("RzLabel3"));
    RzLabel3->setWordWrap(true);
    column().addWidget(RzLabel3);
}

QString TFrm_SJcs::shoujiinfostr(const QString& trimmedNumber)
{
    return lumora::shoujiinfostr(trimmedNumber);
}

void TFrm_SJcs::RzBitBtn1Click()
{
    const QString number = trimmedInput();
    if (number.isEmpty()) {
        platform().showTip(QStringLiteral("请输入11位手机号码！"));
        return;
    }
    // A number without a key goes to the error box; nothing was queried or changed.
    const QString key = shoujiinfostr(number);
    std::optional<PhoneReading> reading;
    try {
        Query query;
        query.setConnectionString(DreamConnectionString());
        reading = queryPhoneReading(query, key);
    } catch (const Error&) {
        return; // a data file that fails leaves the last result standing, without a word
    }
    // No row for the key: the number alone.
    const PhoneReading shown = reading.value_or(PhoneReading{});
    showResult(number, shown.title, shown.verdict, shown.content);
}

void TFrm_SJcs::FormShow()
{
    if (!edtmun->text().isEmpty())
        RzBitBtn1Click();
}

void TFrm_SJcs::showEvent(QShowEvent* event)
{
    ReadingForm::showEvent(event);
    if (!event->spontaneous())
        runReportingErrors([this] { FormShow(); });
}

void openPhoneNumberWindow()
{
    openReplacing(Frm_SJcs);
}

} // namespace lumora
