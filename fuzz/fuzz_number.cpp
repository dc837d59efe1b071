#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "entry/numberreading.h"
#include "game/numbertext.h"

// Whatever is typed, the answer is a finite number, the same whether it sits
// in one box or is spread over the three, and the program's own text of it
// reads back to it.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const double value = readNumber(text);
    if (!std::isfinite(value))
        std::abort();
    const qsizetype third = text.size() / 3;
    if (readSeparateBoxes(text.left(third), text.mid(third, third), text.mid(2 * third)) != value)
        std::abort();
    const double again = readNumber(numberText(value));
    if (std::abs(again - value) > std::abs(value) * 1e-14)
        std::abort();
    return 0;
}
