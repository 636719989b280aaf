#include "app/Uabout.h"

#include "app/Artwork.h"
#include "app/Contacts.h"
#include "forms/FormFonts.h"
#include "forms/FormWindow.h"

#include <QBoxLayout>
#include <QLabel>

namespace lumora {

TAbout* About = nullptr;

namespace {

QLabel* line(QWidget* parent, const QString& text, const QFont& font, const char* colour)
{
    auto* label = new QLabel(text, parent);
    label->setFont(font);
    label->setStyleSheet(QStringLiteral("color: %1;").arg(QLatin1String(colour)));
    return label;
}

} // namespace

TAbout::TAbout(QWidget* parent) : QDialog(parent)
{
    setUpFixedDialog(*this, QStringLiteral("About"), QStringLiteral("关于系统"), QSize(321, 149));

    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("Image1"));
    picture->setPixmap(sealPicture(150, QStringLiteral("历"), QColor(178, 34, 34)));
    picture->setFixedSize(150, 149);
    picture->setAlignment(Qt::AlignCenter);

    const QFont kai16 = formFont(FormFace::Kai, 16, QFont::Bold);
    const QFont kai12 = formFont(FormFace::Kai, 12, QFont::Bold);
    const QFont song12 = defaultFormFont();
    auto* text = new QVBoxLayout;
    text->setContentsMargins(8, 14, 6, 14);
    text->setSpacing(6);
    text->addWidget(line(this, QStringLiteral("Lumora 黄历 万年历"), kai16, "#000080"));
    text->addWidget(line(this, QString::fromUtf16(contacts::kMaker) + QStringLiteral(" 出品"), kai12, "#FF0000"));
    text->addStretch();
    text->addWidget(
        line(this, QStringLiteral("联系人：") + QString::fromUtf16(contacts::kContactPerson), song12, "black"));
    text->addWidget(line(this, QStringLiteral("QQ：") + QString::fromUtf16(contacts::kSupportQQ), song12, "black"));
    text->addWidget(
        line(this, QStringLiteral("电话：") + QString::fromUtf16(contacts::kServicePhone), song12, "black"));

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(picture);
    layout->addLayout(text, 1);
}

} // namespace lumora
