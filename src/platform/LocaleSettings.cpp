#include "platform/LocaleSettings.h"

#include <array>
#include <map>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace lumora {
namespace {

struct WantedSetting {
    LocaleSetting setting;
    const char16_t* value;
};

// clang-format off
constexpr std::array<WantedSetting, 5> kWanted{{
    {LocaleSetting::LongDate,      u"yyyy'年'M'月'd'日'"},
    {LocaleSetting::ShortDate,     u"yyyy-MM-dd"},
    {LocaleSetting::TimeFormat,    u"H:mm:ss"},
    {LocaleSetting::DateSeparator, u"-"},
    {LocaleSetting::TimeSeparator, u":"},
}};
// clang-format on

// Blanks and control characters, as the settings may carry either at their ends.
QString trimBlanksAndControls(const QString& text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin).unicode() <= 0x20)
        ++begin;
    while (end > begin && text.at(end - 1).unicode() <= 0x20)
        --end;
    return text.mid(begin, end - begin);
}

#ifdef Q_OS_WIN
class WindowsLocaleSettings final : public LocaleSettings {
public:
    std::optional<QString> read(LocaleSetting setting) override
    {
        char buffer[24] = {};
        if (GetLocaleInfoA(LOCALE_SYSTEM_DEFAULT, static_cast<LCTYPE>(setting), buffer, sizeof buffer) == 0)
            return std::nullopt;
        return QString::fromLocal8Bit(buffer);
    }
    void write(LocaleSetting setting, const QString& value) override
    {
        // The result is deliberately ignored: a refused write leaves the setting as it was.
        SetLocaleInfoA(LOCALE_SYSTEM_DEFAULT, static_cast<LCTYPE>(setting), value.toLocal8Bit().constData());
    }
};
#else
class ProcessLocaleSettings final : public LocaleSettings {
public:
    std::optional<QString> read(LocaleSetting setting) override
    {
        const auto it = values_.find(setting);
        if (it == values_.end())
            return QString();
        return it->second;
    }
    void write(LocaleSetting setting, const QString& value) override { values_[setting] = value; }

private:
    std::map<LocaleSetting, QString> values_;
};
#endif

} // namespace

void normalizeLocaleSettings(LocaleSettings& settings)
{
    try {
        for (const WantedSetting& wanted : kWanted) {
            const QString value = QString::fromUtf16(wanted.value);
            const std::optional<QString> current = settings.read(wanted.setting);
            if (!current || trimBlanksAndControls(*current) != value)
                settings.write(wanted.setting, value);
        }
    } catch (...) {
        // Start-up goes on with whatever was not yet normalized left as it was.
    }
}

LocaleSettings& systemLocaleSettings()
{
#ifdef Q_OS_WIN
    static WindowsLocaleSettings settings;
#else
    static ProcessLocaleSettings settings;
#endif
    return settings;
}

} // namespace lumora
