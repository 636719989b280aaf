#pragma once
// The base of a main-window test: each test function gets a fresh recording platform and
// a shown main window, and ends with every window closed (the exit question answered Yes)
// and freed.

#include "app/Unt_Main.h"
#include "support/FakePlatform.h"
#include "support/Windows.h"

#include <QObject>

#include <memory>
#include <optional>

class MainWindowTest : public QObject {
    Q_OBJECT

protected:
    FakePlatform fake;
    std::unique_ptr<lumora::TFrmmain> main;

private Q_SLOTS:
    void init()
    {
        fake = FakePlatform();
        scope_.emplace(fake);
        main = std::make_unique<lumora::TFrmmain>();
        main->show();
    }
    void cleanup()
    {
        fake.answerYes = true;
        closeAllWindows();
        main.reset();
        scope_.reset();
    }

private:
    std::optional<lumora::PlatformScope> scope_;
};
