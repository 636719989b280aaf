#pragma once
// The layout the number and name tools share: an input row (caption, the box `edtmun`,
// "测算" `RzBitBtn1`, "关闭" `RzBitBtn2`) above the group "测算结果" that holds the
// window's result lines. Enter in the box acts like "测算". A number box lets through only
// digits, Backspace and Enter when typed; a name box takes everything and shows Latin
// letters in upper case. The window frees itself when it closes.

#include <QDialog>
#include <QSize>
#include <QString>

class QGridLayout;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class QVBoxLayout;

namespace lumora {

enum class ToolBox {
    Number, // digits only, as typed
    Name,   // anything; Latin letters upper-cased
};

// What a tool window says and how it is sized.
struct ToolFormWords {
    QString objectName;
    QString caption;    // window caption
    QString boxCaption; // before the input box
    ToolBox box;
    int maxLength; // of the input box
    QSize clientSize;
};

class ToolForm : public QDialog {
    Q_OBJECT

public:
    QLineEdit* edtmun;
    QPushButton* RzBitBtn1; // 测算
    QPushButton* RzBitBtn2; // 关闭

    // "测算" clicked, or Enter in the input box.
    virtual void RzBitBtn1Click() = 0;
    // "关闭" clicked.
    void RzBitBtn2Click();

protected:
    ToolForm(const ToolFormWords& words, QWidget* parent);

    // The window's column, for what a window adds under the input row or the result.
    QVBoxLayout& column();
    // A result line at the bottom of "测算结果": a caption (none when empty) and the value
    // label, which is returned.
    QLabel* addResultLine(const QString& caption, const QString& valueName);
    // The input box's text, trimmed.
    QString trimmedInput() const;

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // `edtmun` key press in a number box: true when the typed key may reach the box.
    static bool edtmunKeyPress(const QKeyEvent& event);

    ToolBox box_;
    QVBoxLayout* column_;
    QGridLayout* results_;
};

// A tool whose result is four lines: the entered number (its caption the window's own),
// "状态：" (`RzLabel10`), "吉凶：" in red (`RzLabel9`) and "具体表现：" wrapped over
// several lines (`RzLabel8`).
class ReadingForm : public ToolForm {
    Q_OBJECT

public:
    QLabel* RzLabel11; // the entered number
    QLabel* RzLabel10; // 状态
    QLabel* RzLabel9;  // 吉凶
    QLabel* RzLabel8;  // 具体表现

protected:
    ReadingForm(const ToolFormWords& words, const QString& firstLineCaption, QWidget* parent);

    // Empties the four lines, then fills them.
    void showResult(const QString& number, const QString& state, const QString& verdict, const QString& detail);
};

} // namespace lumora
