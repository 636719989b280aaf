#pragma once
// The platform seam: everything a window does that leaves the process or blocks goes
// through here, so tests can install a recording fake and nothing ever waits on a user.
//
//   windows ──> platform() ──> QtPlatform (real dialogs, printer, browser, clock)
//                          └─> FakePlatform in tests (records, answers as told)

#include <QDate>
#include <QString>
#include <QUrl>

class QDialog;
class QWidget;

namespace lumora {

class Platform {
public:
    virtual ~Platform() = default;

    // Short notice or input complaint: caption "提示", information icon, OK.
    virtual void showTip(const QString& text) = 0;
    // Modal yes/no question with the question icon; true for Yes.
    virtual bool askYesNo(QWidget* owner, const QString& caption, const QString& text) = 0;
    // The application's default error box for an error nobody handled.
    virtual void showError(const QString& text) = 0;
    virtual void openUrl(const QUrl& target) = 0;
    virtual void beep() = 0;
    // The save-file dialog, its name box holding `fileName`; the name chosen, empty when the
    // user cancels. Choosing an existing file asks nothing: the caller decides what to write.
    virtual QString saveFileName(QWidget* owner, const QString& caption, const QString& filter,
                                 const QString& fileName) = 0;
    // Prints the memo text at once, without a dialog.
    virtual void printMemo(const QString& text) = 0;
    // Runs the dialog modally and returns its result code.
    virtual int runModal(QDialog& dialog) = 0;
    virtual QDate today() const = 0;
};

// The platform in force; a QtPlatform unless a test installed another.
Platform& platform();

// Installs a platform for the lifetime of the scope (tests), restoring the previous one.
class PlatformScope {
public:
    explicit PlatformScope(Platform& installed);
    ~PlatformScope();
    PlatformScope(const PlatformScope&) = delete;
    PlatformScope& operator=(const PlatformScope&) = delete;

private:
    Platform* previous_;
};

// The default error box's wording: the message, with a full stop added when it lacks one.
QString errorBoxText(const QString& message);

} // namespace lumora
