#include "app/Unt_servers.h"

#include "app/Artwork.h"
#include "app/Contacts.h"
#include "forms/FormFonts.h"
#include "forms/FormWindow.h"

#include <QBoxLayout>
#include <QFrame>
#include <QLabel>

namespace lumora {

TFrm_servers* Frm_servers = nullptr;

namespace {

constexpr int kPanelWidth = 440;

struct ServiceBlock {
    QChar seal;
    QString heading;
    QString text;
};

QWidget* blockWidget(QWidget* parent, const ServiceBlock& block)
{
    auto* widget = new QWidget(parent);
    auto* picture = new QLabel(widget);
    picture->setPixmap(sealPicture(32, QString(block.seal), QColor(0x1F, 0x3F, 0x8F)));
    picture->setAlignment(Qt::AlignTop);

    auto* heading = new QLabel(block.heading, widget);
    heading->setFont(formFont(FormFace::Song, 12, QFont::Bold));
    heading->setStyleSheet(QStringLiteral("color: #000080;"));
    auto* text = new QLabel(block.text, widget);
    text->setWordWrap(true);
    text->setStyleSheet(QStringLiteral("color: black;"));

    auto* words = new QVBoxLayout;
    words->setSpacing(4);
    words->addWidget(heading);
    words->addWidget(text);
    auto* layout = new QHBoxLayout(widget);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(10);
    layout->addWidget(picture, 0, Qt::AlignTop);
    layout->addLayout(words, 1);
    return widget;
}

} // namespace

TFrm_servers::TFrm_servers(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Frm_servers"));
    setWindowTitle(QStringLiteral("客户服务"));
    setWindowFlags(Qt::Dialog | kCloseBoxOnly);
    setFont(defaultFormFont());
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet(QStringLiteral("#Frm_servers { background: white; }"
                                 "#RzPanel1 { background: white; border: 1px solid #9DB7E0; border-radius: 8px; }"));

    const ServiceBlock blocks[] = {
        {u'商', QStringLiteral("市场合作:"),
         QStringLiteral("各地代理、网站推广、软件定制或内容合作，欢迎与我们联系，我们会认真对待每一份来信，"
                        "期待与您携手共赢。")},
        {u'话', QStringLiteral("服务电话：") + QString::fromUtf16(contacts::kServicePhone),
         QStringLiteral("当您在使用产品的时候有任何问题、建议或疑问，欢迎您拨打热线电话。")},
        {u'Q', QStringLiteral("QQ在线支持：") + QString::fromUtf16(contacts::kSupportQQ),
         QStringLiteral("所有的业务咨询，我们都会于当日给您答复，所以如果您发贴后没有马上看到答复请您耐心等待，"
                        "稍后可以再来查看。")},
        {u'邮', QStringLiteral("技术支持邮箱：") + contacts::supportMail(),
         QStringLiteral("当您在使用我们的软件过程中，有不明白或有别的问题时，您可以发送邮件到这里，"
                        "我们会尽快给您答复。")},
    };

    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("RzPanel1"));
    panel->setFixedWidth(kPanelWidth);
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(16, 14, 16, 14);
    column->setSpacing(14);
    for (const ServiceBlock& block : blocks)
        column->addWidget(blockWidget(panel, block));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(panel);
    // Sized to the panel, and not resizable.
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

} // namespace lumora
