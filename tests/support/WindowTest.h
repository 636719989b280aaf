#pragma once
// The base of a window test: each test function runs with a fresh recording platform
// installed, and ends with every window closed and freed.

#include "support/FakePlatform.h"
#include "support/Windows.h"

#include <QObject>

#include <optional>

class WindowTest : public QObject {
    Q_OBJECT

protected:
    FakePlatform fake;

private Q_SLOTS:
    void init()
    {
        fake = FakePlatform();
        scope_.emplace(fake);
    }
    void cleanup()
    {
        closeAllWindows();
        scope_.reset();
    }

private:
    std::optional<lumora::PlatformScope> scope_;
};
