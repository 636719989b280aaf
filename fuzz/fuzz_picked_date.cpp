// The picked-date check on three arbitrary texts.
#include "FuzzInput.h"

#include "data/uShare.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    QStringList texts = fuzz::Input(data, size).texts();
    texts.resize(3);
    lumora::CheckPickedDate(texts[0], texts[1], texts[2]);
    return 0;
}
