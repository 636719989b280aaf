#pragma once
// Reading a fuzzer's bytes as the arguments of the function under test.

#include <QByteArray>
#include <QCoreApplication>
#include <QList>
#include <QString>

#include <cstddef>
#include <cstdint>

namespace fuzz {

class Input {
public:
    Input(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    // The next byte, or 0 when none is left.
    std::uint8_t byte() { return size_ ? (--size_, *data_++) : 0; }
    // The next two bytes as a signed number: keys, lengths and counts, negative ones included.
    std::int16_t word() { return static_cast<std::int16_t>(byte() | byte() << 8); }
    QByteArray rest() const { return QByteArray(reinterpret_cast<const char*>(data_), static_cast<qsizetype>(size_)); }
    // What is left as text, split at NUL bytes: the way several texts travel in one input.
    QStringList texts() const { return QString::fromUtf8(rest()).split(QChar(0)); }

private:
    const std::uint8_t* data_;
    std::size_t size_;
};

// Qt's plug-ins (the SQL driver) and codecs want an application object.
inline void ensureApplication()
{
    static int argc = 1;
    static char name[] = "fuzz";
    static char* argv[] = {name, nullptr};
    static QCoreApplication application(argc, argv);
}

} // namespace fuzz
