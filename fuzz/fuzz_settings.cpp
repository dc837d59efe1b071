#include <cstdint>
#include <cstdlib>

#include "setup/settings.h"

namespace {

bool within(int value, int low, int high)
{
    return value >= low && value <= high;
}

} // namespace

// Whatever the bytes, every number lands inside its slider's range, and the
// record written back reads as the same file.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const SettingsRecord r = parseSettings(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    const bool inRange = within(r.cardCount, 10, 100) && within(r.topMin, 1, 99) && within(r.topMax, 1, 99)
                         && within(r.bottomMin, 1, 99) && within(r.bottomMax, 1, 99) && within(r.divisorLow, 2, 9)
                         && within(r.divisorHigh, 2, 9) && within(r.topLimit, 1, 99) && within(r.bottomLimit, 1, 99);
    if (!inRange)
        std::abort();
    const QByteArray written = formatSettings(r);
    if (formatSettings(parseSettings(written)) != written)
        std::abort();
    return 0;
}
