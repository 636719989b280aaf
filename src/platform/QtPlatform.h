#pragma once
// The real platform: Qt message boxes, the default browser, the default printer and the
// system clock.

#include "platform/Platform.h"

namespace lumora {

class QtPlatform final : public Platform {
public:
    void showTip(const QString& text) override;
    bool askYesNo(QWidget* owner, const QString& caption, const QString& text) override;
    void showError(const QString& text) override;
    void openUrl(const QUrl& target) override;
    void beep() override;
    QString saveFileName(QWidget* owner, const QString& caption, const QString& filter,
                         const QString& fileName) override;
    void printMemo(const QString& text) override;
    int runModal(QDialog& dialog) override;
    QDate today() const override;
};

} // namespace lumora
