#include "divination/Untonteher.h"

#include "forms/Opener.h"

namespace lumora {

TFrm_onther* Frm_onther = nullptr;

TFrm_onther::TFrm_onther(QWidget* parent)
    : NumberAnalysisForm({QStringLiteral("Frm_onther"), QStringLiteral("任意号码分析"), QStringLiteral("任意号码："),
                          ToolBox::Number, 18, QSize(440, 300)},
                         QStringLiteral("输入号码是："), QStringLiteral("请输入你的号码！"), parent)
{
}

void openAnyNumberWindow()
{
    openReplacing(Frm_onther);
}

} // namespace lumora
