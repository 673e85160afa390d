// Kestrel: shows the keys you press as keycaps in a click-through overlay.
// This file only reads the command line and the session, finds or becomes the one running
// Kestrel, has the composition build the application, and runs the main loop.

#include "app/composition/Composition.h"
#include "app/composition/Launch.h"
#include "app/ui/Translations.h"
#include "common/ui/AccessibleToggles.h"
#include "overlay/KeyLabels.h"
#include "platform/atspi/AtspiPasswordFocus.h"

#include <QApplication>

#include <optional>
#include <string>
#include <variant>
#include <vector>

int main(int argc, char** argv)
{
    // Read before Qt takes its own options from the command line.
    auto launch = kestrel::Launch::prepare(std::vector<std::string>(argv, argv + argc));
    if (const int* status = std::get_if<int>(&launch))
        return *status;

    std::optional<kestrel::AtspiPasswordFocus::MainLoopChoice> mainLoop(std::in_place);
    QApplication application(argc, argv);
    mainLoop.reset();
    kestrel::installAccessibleToggles();
    const kestrel::Translations translations;
    // PC keycaps print what the keyboards of the language of Kestrel's texts print.
    kestrel::KeyLabels::setLegendLanguage(translations.language().toStdString());

    std::get<kestrel::Launch>(launch).language = translations.language().toStdString();
    kestrel::Composition kestrel(std::get<kestrel::Launch>(std::move(launch)));
    kestrel.start();
    return application.exec();
}
