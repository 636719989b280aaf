#pragma once
// The buttons of the main window's two pages: "吉日分类" with one button per activity and
// "其他查询" with one per tool, in their grids, each running its command.

class QWidget;

namespace lumora {

class TFrmmain;

void fillActivityPage(QWidget& page, TFrmmain& main);
void fillToolPage(QWidget& page, TFrmmain& main);

} // namespace lumora
