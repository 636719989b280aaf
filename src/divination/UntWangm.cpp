#include "divination/UntWangm.h"

#include "divination/NetName.h"
#include "forms/Opener.h"
#include "platform/Platform.h"

#include <QLabel>

#include <exception>

namespace lumora {

TFrmWangming* FrmWangming = nullptr;

TFrmWangming::TFrmWangming(QWidget* parent)
    : ToolForm({QStringLiteral("FrmWangming"), QStringLiteral("网名与性格"), QStringLiteral("输入网名："),
                ToolBox::Name, 18, QSize(440, 220)},
               parent)
{
    RzLabel11 = addResultLine({}, QStringLiteral("RzLabel11"));
    RzLabel11->setStyleSheet(QStringLiteral("color: #008000;"));
    RzLabel8 = addResultLine({}, QStringLiteral("RzLabel8"));
    RzLabel8->setStyleSheet(QStringLiteral("color: #000080;"));
    RzLabel8->setWordWrap(true);
}

void TFrmWangming::RzBitBtn1Click()
{
    const QString name = trimmedInput();
    if (name.isEmpty()) {
        platform().showTip(QStringLiteral("请输入你的网名！"));
        return;
    }
    RzLabel11->setText(QStringLiteral("你的网名：") + name);
    try {
        RzLabel8->setText(QStringLiteral("你的性格：") + NetNameTrait(name).trimmed());
    } catch (const std::exception&) {
        RzLabel8->setText(QStringLiteral("请重新输入网名，请不要输入特殊字符！"));
    }
}

void openNetNameWindow()
{
    openReplacing(FrmWangming);
}

} // namespace lumora
