#include "divination/UntQQ.h"

#include "forms/Opener.h"

namespace lumora {

TFrmQQhm* FrmQQhm = nullptr;

TFrmQQhm::TFrmQQhm(QWidget* parent)
    : NumberAnalysisForm({QStringLiteral("FrmQQhm"), QStringLiteral("QQ号码测试"), QStringLiteral("QQ号码："),
                          ToolBox::Number, 18, QSize(440, 300)},
                         QStringLiteral("qq号码是："), QStringLiteral("请输入你的QQ号码！"), parent)
{
}

void openQQNumberWindow()
{
    openReplacing(FrmQQhm);
}

} // namespace lumora
