#pragma once
// The five date and time settings the program brings to fixed values at start, so that a
// date text written year-month-day reads back as a date everywhere.

#include <QString>

#include <optional>

namespace lumora {

enum class LocaleSetting : unsigned {
    LongDate = 0x20,      // LOCALE_SLONGDATE
    ShortDate = 0x1F,     // LOCALE_SSHORTDATE
    TimeFormat = 0x1003,  // LOCALE_STIMEFORMAT
    DateSeparator = 0x1D, // LOCALE_SDATE
    TimeSeparator = 0x1E, // LOCALE_STIME
};

// Where the settings live. read() gives nullopt for a value it cannot read (which then
// counts as different); either call may throw, which ends the normalization.
class LocaleSettings {
public:
    virtual ~LocaleSettings() = default;
    virtual std::optional<QString> read(LocaleSetting setting) = 0;
    virtual void write(LocaleSetting setting, const QString& value) = 0;
};

// Writes each wanted value that differs from the current one after trimming, in a fixed
// order. An error is swallowed and the settings not yet handled are skipped.
void normalizeLocaleSettings(LocaleSettings& settings);

// The store in force for this process: the system's regional settings on Windows, a
// process-local store elsewhere (the program never changes the user's system there).
LocaleSettings& systemLocaleSettings();

} // namespace lumora
