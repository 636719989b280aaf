#pragma once
// A platform for tests: records what the windows asked for and answers as told, so no
// test ever blocks on a dialog. Install it with lumora::PlatformScope.

#include "platform/Platform.h"

#include <QList>
#include <QStringList>

#include <functional>

class FakePlatform final : public lumora::Platform {
public:
    struct Question {
        QString caption;
        QString text;
    };
    struct SaveDialog {
        QString caption;
        QString filter;
        QString fileName; // what the name box held
    };

    QStringList tips;
    QList<Question> questions;
    QStringList errors;
    QList<QUrl> openedUrls;
    int beeps = 0;
    QStringList printedMemos;
    QList<SaveDialog> saveDialogs;
    QList<QDialog*> modalDialogs;

    bool answerYes = false;
    QString saveFileAnswer;
    QDate todayDate{2015, 6, 9};
    // What a modal run does with the dialog before returning (by default nothing).
    std::function<int(QDialog&)> onModal;

    void showTip(const QString& text) override { tips << text; }
    bool askYesNo(QWidget*, const QString& caption, const QString& text) override
    {
        questions.append({caption, text});
        return answerYes;
    }
    void showError(const QString& text) override { errors << text; }
    void openUrl(const QUrl& target) override { openedUrls << target; }
    void beep() override { ++beeps; }
    QString saveFileName(QWidget*, const QString& caption, const QString& filter, const QString& fileName) override
    {
        saveDialogs.append({caption, filter, fileName});
        return saveFileAnswer;
    }
    void printMemo(const QString& text) override { printedMemos << text; }
    int runModal(QDialog& dialog) override;
    QDate today() const override { return todayDate; }
};
