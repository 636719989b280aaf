#pragma once
// Every command the main window offers, once: its id, its caption and what it does. The
// menu bar, the two button pages and the header buttons are built from this table and
// refer to it by id, so an entry and a button that act alike are one command.

#include <QString>

#include <span>

namespace lumora {

class TFrmmain;

enum class CommandId {
    ExitSystem,
    DailyAlmanac,
    ActivitySearch, // the activity buttons: each passes its own caption
    WeddingSearch,
    StarSignPairing,
    ZodiacPairing,
    BloodTypePairing,
    DreamAnalysis,
    DreamBook,
    Sneeze,
    HotFace,
    StartledHeart,
    DogBarking,
    EyeTwitch,
    HotEars,
    RingingEars,
    PhoneNumber,
    QQNumber,
    AnyNumber,
    NetName,
    ConceptionChart,
    PerpetualCalendar,
    CustomerService,
    MailUs,
    QQChat,
    HomePage,
    About,
    Upgrade,
};

struct Command {
    CommandId id;
    const char* name;        // the objectName of its menu entries and buttons
    const char16_t* caption; // null for the activity search, whose buttons carry their own
    // What choosing it does, given the caption it was chosen by; null: nothing at all.
    void (*run)(TFrmmain& main, const QString& caption);
};

std::span<const Command> commands();
const Command& command(CommandId id);
QString captionOf(CommandId id);

// Runs the command as chosen from the place that shows `caption`.
void runCommand(CommandId id, TFrmmain& main, const QString& caption);

} // namespace lumora
