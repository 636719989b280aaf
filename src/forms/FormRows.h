#pragma once
// The pieces the windows lay out in rows: a caption label before controls, buttons, and
// result memos.

#include <QString>

class QBoxLayout;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QWidget;

namespace lumora {

// A caption ("选择黄历：", "当日统览：") at the row's current end; bold when asked.
QLabel* addCaption(QWidget* parent, QBoxLayout& row, const QString& text, bool bold = false);

// A push button with the control's objectName and caption at the row's current end.
QPushButton* addButton(QWidget* parent, QBoxLayout& row, const QString& objectName, const QString& caption);

// A result memo: multi-line, wrapped between any two characters, vertical scroll bar always
// shown. A read-only memo still takes
// the keyboard (Page Up/Down, Ctrl+Home/End, arrows), as a user reading it expects.
QPlainTextEdit* newMemo(QWidget* parent, const QString& objectName, bool readOnly);

// A captioned group box ("测算结果：") filled by the memo.
QGroupBox* newMemoGroup(QWidget* parent, const QString& caption, QPlainTextEdit* memo);

} // namespace lumora
