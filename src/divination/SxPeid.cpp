#include "divination/SxPeid.h"

#include "data/Error.h"
#include "data/uShare.h"
#include "divination/ZodiacPairing.h"
#include "forms/FormRows.h"
#include "forms/FormWindow.h"
#include "forms/Opener.h"
#include "forms/SafeFileWriting.h"
#include "platform/ErrorReport.h"
#include "platform/Platform.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>

#include <optional>

namespace lumora {

TFrm_SxPeid* Frm_SxPeid = nullptr;

namespace {

constexpr QSize kClientSize(560, 480);

// A pure selection list of the twelve animals, on 鼠.
QComboBox* addAnimalList(QWidget* parent, QBoxLayout& row, const QString& objectName)
{
    auto* list = new QComboBox(parent);
    list->setObjectName(objectName);
    list->setEditable(false);
    for (const QStringView animal : kZodiacAnimals)
        list->addItem(animal.toString());
    row.addWidget(list);
    return list;
}

} // namespace

TFrm_SxPeid::TFrm_SxPeid(QWidget* parent) : QDialog(parent)
{
    setUpFixedDialog(*this, QStringLiteral("Frm_SxPeid"), QStringLiteral("生肖配对"), kClientSize);
    setAttribute(Qt::WA_DeleteOnClose);

    auto* layout = new QVBoxLayout(this);
    auto* animals = new QHBoxLayout;
    addCaption(this, *animals, QStringLiteral("男的生肖："));
    ComboBoxDL = addAnimalList(this, *animals, QStringLiteral("ComboBoxDL"));
    animals->addSpacing(24);
    addCaption(this, *animals, QStringLiteral("女的生肖："));
    ComboBoxXX = addAnimalList(this, *animals, QStringLiteral("ComboBoxXX"));
    animals->addStretch();
    layout->addLayout(animals);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    RzBitBtn1 = addButton(this, *buttons, QStringLiteral("RzBitBtn1"), QStringLiteral("配对"));
    RzBitBtn2 = addButton(this, *buttons, QStringLiteral("RzBitBtn2"), QStringLiteral("保存"));
    RzBitBtn4 = addButton(this, *buttons, QStringLiteral("RzBitBtn4"), QStringLiteral("关闭"));
    layout->addLayout(buttons);

    RzMemo1 = newMemo(this, QStringLiteral("RzMemo1"), true);
    layout->addWidget(RzMemo1, 1);

    connect(RzBitBtn1, &QPushButton::clicked, this, [this] { runReportingErrors([this] { RzBitBtn1Click(); }); });
    connect(RzBitBtn2, &QPushButton::clicked, this, [this] { runReportingErrors([this] { RzBitBtn2Click(); }); });
    connect(RzBitBtn4, &QPushButton::clicked, this, &TFrm_SxPeid::RzBitBtn4Click);
}

void TFrm_SxPeid::FormShow()
{
    FPairName.clear();
    AdoData.setConnectionString(BirthConnectionString());
}

void TFrm_SxPeid::RzBitBtn1Click()
{
    const QString man = ComboBoxDL->currentText().trimmed();
    const QString woman = ComboBoxXX->currentText().trimmed();
    std::optional<PairingRow> row;
    try {
        row = queryPairing(AdoData, man, woman);
    } catch (const Error&) {
        return; // a data file that fails leaves the memo and the name as they were, without a word
    }
    RzMemo1->clear();
    if (!row)
        return;
    const QStringList lines = pairingMemoLines(man, woman, *row, [] { platform().beep(); });
    RzMemo1->setPlainText(lines.join(QLatin1Char('\n')));
    FPairName = pairName(man, woman);
}

void TFrm_SxPeid::RzBitBtn2Click()
{
    const QString memoText = RzMemo1->toPlainText();
    if (FPairName.isEmpty() || memoText.trimmed().isEmpty())
        return;
    const QString chosen = platform().saveFileName(this, QStringLiteral("保存"), QStringLiteral("文本文件 (*.txt)"),
                                                   suggestedSaveName(FPairName));
    if (chosen.isEmpty())
        return;
    // Whatever name was chosen, ".txt" follows it: abc.txt becomes abc.txt.txt.
    const QString path = chosen + QStringLiteral(".txt");
    try {
        writeFileWhole(path, pairingFileBytes(memoText.split(QLatin1Char('\n'))));
    } catch (const Error& error) {
        // Silence here would let the user believe the result was saved.
        platform().showTip(error.message());
    }
}

void TFrm_SxPeid::RzBitBtn4Click()
{
    close();
}

void TFrm_SxPeid::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void openZodiacPairingWindow()
{
    openReplacing(Frm_SxPeid);
}

} // namespace lumora
