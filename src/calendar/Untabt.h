#pragma once
// The boy-or-girl conception chart window: the fixed chart in an editable memo (edits are
// never kept) above its note.

#include <QDialog>

class QFrame;
class QLabel;
class QPlainTextEdit;

namespace lumora {

class TFrm_NanNv final : public QDialog {
    Q_OBJECT

public:
    explicit TFrm_NanNv(QWidget* parent = nullptr);

    QFrame* RzPanel1;
    QFrame* RzPanel2;
    QPlainTextEdit* RzMemo1; // the chart
    QLabel* RzLabel1;        // the note under it
};

// The open instance, hidden but kept after closing until the next opening replaces it.
extern TFrm_NanNv* Frm_NanNv;

// Replaces any earlier instance with a new window and runs it modally.
void openConceptionChart();

} // namespace lumora
