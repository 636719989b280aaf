#pragma once
// The layout the number and name tools share: an input row (caption, the box `edtmun`,
// "测算" `RzBitBtn1`, "关闭" `RzBitBtn2`) above the group "测算结果" with four result lines
// (`RzLabel11`, `RzLabel10`, `RzLabel9` in red, `RzLabel8` wrapped over several lines).
// Enter in the box acts like "测算"; number boxes let through only digits, Backspace and
// Enter when typed. The window frees itself when it closes.

#include <QDialog>
#include <QSize>
#include <QString>

class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class QVBoxLayout;

namespace lumora {

// What a tool window says and how it is sized.
struct ToolFormWords {
    QString objectName;
    QString caption;          // window caption
    QString boxCaption;       // before the input box
    QString firstLineCaption; // the first result line's caption
    int maxLength;            // of the input box
    QSize clientSize;
};

class ToolForm : public QDialog {
    Q_OBJECT

public:
    QLineEdit* edtmun;
    QPushButton* RzBitBtn1; // 测算
    QPushButton* RzBitBtn2; // 关闭
    QLabel* RzLabel11;      // the entered number
    QLabel* RzLabel10;      // 状态
    QLabel* RzLabel9;       // 吉凶, red
    QLabel* RzLabel8;       // 具体表现, several lines

    // "测算" clicked, or Enter in the input box.
    virtual void RzBitBtn1Click() = 0;
    // "关闭" clicked.
    void RzBitBtn2Click();

protected:
    ToolForm(const ToolFormWords& words, QWidget* parent);

    // The window's column, for what a window adds under the input row or the result.
    QVBoxLayout& column();
    // The input box's text, trimmed.
    QString trimmedNumber() const;
    // Empties the four result lines, then fills them.
    void showResult(const QString& number, const QString& state, const QString& verdict, const QString& detail);

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // `edtmun` key press: true when the typed key may reach the box.
    static bool edtmunKeyPress(const QKeyEvent& event);

    QVBoxLayout* column_;
};

} // namespace lumora
