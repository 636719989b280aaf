// The pairing texts' decoder on any stored text, key and round count; an encoded text
// must also decode back to the bytes it came from.
#include "FuzzInput.h"

#include "data/uShare.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::Input input(data, size);
    const auto key = static_cast<quint16>(input.word());
    const int count = input.word();
    const QByteArray rest = input.rest();
    lumora::DecodeContent(QString::fromUtf8(rest), key, count, [] {});
    // Bounded to keep each input fast: the rounds are what the inverse must undo.
    const int rounds = count % 64;
    if (lumora::decodeContentBytes(lumora::encodeContentBytes(rest, key, rounds), key, rounds, [] {}) != rest)
        std::abort();
    return 0;
}
