// The numerology reading on any text: it may refuse with lumora::Error, never crash.
#include "FuzzInput.h"

#include "data/Error.h"
#include "data/uShare.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    try {
        lumora::numberinfostr(QString::fromUtf8(fuzz::Input(data, size).rest()));
    } catch (const lumora::Error&) {
    }
    return 0;
}
