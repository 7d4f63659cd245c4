// Feeds arbitrary bytes to the lookup-list reader. A list that was read is written and read
// again with the same number of entries, so no entry can move.

#include "LookupList.h"

#include <QBuffer>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QBuffer input;
    input.setData(reinterpret_cast<const char*>(data), qsizetype(size));
    input.open(QIODevice::ReadOnly);
    LookupList list(size % 2 ? 30 : 9999);
    if (!list.load(input))
        std::abort();
    if (list.size() > list.maxEntries() + 1)
        std::abort();
    for (int i = 0; i < list.size(); ++i)
        list.fieldLabel(i % 3 == 0 ? i : list.size() + i);

    QBuffer output;
    output.open(QIODevice::WriteOnly);
    if (!list.save(output))
        std::abort();
    output.close();
    output.open(QIODevice::ReadOnly);
    LookupList again(list.maxEntries());
    if (!again.load(output) || again.size() != list.size())
        std::abort();
    return 0;
}
