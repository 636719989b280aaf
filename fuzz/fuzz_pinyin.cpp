// The pinyin converter on raw bytes that need not be GBK, with any options and length.
#include "FuzzInput.h"

#include "divination/HanziToPinyin.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::Input input(data, size);
    const int options = input.word();
    const int maxLength = input.word();
    const QByteArray bytes = input.rest();
    lumora::HanziToPinyin(QByteArrayView(bytes), options, maxLength);
    lumora::HanziToPinyin(QString::fromUtf8(bytes), options, maxLength);
    return 0;
}
