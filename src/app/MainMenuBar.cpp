#include "app/MainMenuBar.h"

#include "app/Artwork.h"
#include "app/CommandLayout.h"
#include "app/Unt_Main.h"
#include "forms/FormFonts.h"

#include <QLinearGradient>
#include <QMenu>
#include <QPainter>

#include <algorithm>
#include <array>

namespace lumora {
namespace {

struct CommandSeal {
    CommandId id;
    char16_t glyph;
    QRgb ground;
};

constexpr QRgb kRed = 0xB22222;
constexpr QRgb kNavy = 0x1F3F8F;
constexpr QRgb kGreen = 0x2E7D32;

// Only the entries that act get a seal, so the ones that do nothing read as plain text.
// clang-format off
constexpr std::array kCommandSeals{
    CommandSeal{CommandId::ExitSystem,        u'退', kRed},
    CommandSeal{CommandId::DailyAlmanac,      u'吉', kRed},
    CommandSeal{CommandId::ZodiacPairing,     u'配', kRed},
    CommandSeal{CommandId::Sneeze,            u'卜', kGreen},
    CommandSeal{CommandId::HotFace,           u'卜', kGreen},
    CommandSeal{CommandId::StartledHeart,     u'卜', kGreen},
    CommandSeal{CommandId::DogBarking,        u'卜', kGreen},
    CommandSeal{CommandId::EyeTwitch,         u'卜', kGreen},
    CommandSeal{CommandId::HotEars,           u'卜', kGreen},
    CommandSeal{CommandId::RingingEars,       u'卜', kGreen},
    CommandSeal{CommandId::PhoneNumber,       u'机', kNavy},
    CommandSeal{CommandId::QQNumber,          u'号', kNavy},
    CommandSeal{CommandId::AnyNumber,         u'数', kNavy},
    CommandSeal{CommandId::NetName,           u'名', kNavy},
    CommandSeal{CommandId::ConceptionChart,   u'孕', kRed},
    CommandSeal{CommandId::PerpetualCalendar, u'历', kRed},
    CommandSeal{CommandId::CustomerService,   u'服', kNavy},
    CommandSeal{CommandId::MailUs,            u'邮', kNavy},
    CommandSeal{CommandId::QQChat,            u'聊', kNavy},
    CommandSeal{CommandId::HomePage,          u'页', kNavy},
    CommandSeal{CommandId::About,             u'关', kNavy},
    CommandSeal{CommandId::Upgrade,           u'升', kGreen},
};
// clang-format on

QIcon sealOf(CommandId id)
{
    const auto* seal = std::find_if(kCommandSeals.begin(), kCommandSeals.end(),
                                    [id](const CommandSeal& candidate) { return candidate.id == id; });
    if (seal == kCommandSeals.end())
        return {};
    QIcon icon;
    for (const int side : {16, 32})
        icon.addPixmap(sealPicture(side, QString(QChar(seal->glyph)), QColor(seal->ground)));
    return icon;
}

// The bar is transparent so its picture shows; items light up in warm yellow, as in the
// Office look people know; the drop-down menus are pale with a navy rim.
constexpr char kMenuStyle[] = R"(
QMenuBar { background: transparent; }
QMenuBar::item { background: transparent; color: black; padding: 3px 8px; }
QMenuBar::item:selected, QMenuBar::item:pressed {
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #FFF4CC, stop:1 #FFD58C);
    border: 1px solid #000080;
}
QMenu { background: #FAFAFA; border: 1px solid #002D96; padding: 2px; }
QMenu::item { color: black; padding: 4px 24px 4px 28px; border: 1px solid transparent; }
QMenu::item:selected { background: #FFEEC2; border: 1px solid #000080; }
QMenu::icon { padding-left: 6px; }
QMenu::separator { height: 1px; background: #6A8CCB; margin: 3px 4px 3px 28px; }
QMenu::right-arrow { width: 8px; height: 8px; }
)";

// Office blue, lighter at the top, with a faint row of cloud scrolls along the right.
QPixmap menuBarPicture(QSize size)
{
    QPixmap picture(size);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, size.height());
    sky.setColorAt(0.0, QColor(0xE3, 0xEF, 0xFF));
    sky.setColorAt(1.0, QColor(0xB3, 0xCD, 0xF4));
    painter.fillRect(picture.rect(), sky);
    painter.setPen(QPen(QColor(0x6A, 0x8C, 0xCB, 90), 1.2));
    const qreal height = size.height();
    for (qreal x = size.width() - 20; x > size.width() * 0.55; x -= 30) {
        painter.drawArc(QRectF(x, height * 0.25, 22, height * 0.9), 0, 180 * 16);
        painter.drawArc(QRectF(x + 7, height * 0.45, 8, height * 0.5), 0, 180 * 16);
    }
    painter.setPen(QColor(0x6A, 0x8C, 0xCB));
    painter.drawLine(0, size.height() - 1, size.width(), size.height() - 1);
    return picture;
}

void addEntries(QMenu& menu, std::span<const MenuEntry> entries, TFrmmain& main)
{
    for (const MenuEntry& entry : entries) {
        switch (entry.kind) {
        case MenuEntry::Kind::Separator:
            menu.addSeparator();
            break;
        case MenuEntry::Kind::Idle:
            menu.addAction(QString::fromUtf16(entry.caption));
            break;
        case MenuEntry::Kind::SubMenu:
            addEntries(*menu.addMenu(QString::fromUtf16(entry.caption)), entry.subMenu, main);
            break;
        case MenuEntry::Kind::Command: {
            const CommandId id = entry.id;
            QAction* action = menu.addAction(sealOf(id), captionOf(id));
            action->setObjectName(QLatin1String(command(id).name));
            QObject::connect(action, &QAction::triggered, &main,
                             [id, &main, caption = action->text()] { runCommand(id, main, caption); });
            break;
        }
        }
    }
}

} // namespace

MainMenuBar::MainMenuBar(TFrmmain& main) : QMenuBar(&main)
{
    setObjectName(QStringLiteral("dxBarManager1"));
    setFont(defaultFormFont());
    setStyleSheet(QLatin1String(kMenuStyle));
    setContextMenuPolicy(Qt::PreventContextMenu);
    for (const MenuLayout& layout : menuLayouts()) {
        QMenu* menu = addMenu(QString::fromUtf16(layout.title));
        menu->setObjectName(QLatin1String(layout.name));
        menu->setFont(defaultFormFont());
        addEntries(*menu, layout.entries, main);
    }
}

void MainMenuBar::paintEvent(QPaintEvent* event)
{
    if (background_.size() != size())
        background_ = menuBarPicture(size());
    {
        QPainter painter(this);
        painter.drawPixmap(0, 0, background_);
    }
    QMenuBar::paintEvent(event);
}

} // namespace lumora
