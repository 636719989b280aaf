// The data layer's reading of outside text: the Access-dialect translation of an SQL text
// and the data source named by a connection text.
#include "FuzzInput.h"

#include "data/Query.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString text = QString::fromUtf8(fuzz::Input(data, size).rest());
    lumora::Query::toSqlite(text);
    lumora::Query::dataSourceOf(text);
    return 0;
}
