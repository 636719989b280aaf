#include "app/Application.h"
#include "app/Artwork.h"
#include "app/Unt_Main.h"
#include "platform/LocaleSettings.h"
#include "platform/WindowPlacement.h"

int main(int argc, char* argv[])
{
    lumora::Application app(argc, argv);
    app.setWindowIcon(lumora::applicationIcon());
    lumora::normalizeLocaleSettings(lumora::systemLocaleSettings());

    lumora::TFrmmain Frmmain;
    lumora::centreOnScreen(Frmmain);
    Frmmain.show();
    return app.exec();
}
