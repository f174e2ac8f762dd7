// Whatever name a computer file has, its calculator name fits the calculator's limits (14
// characters, a dot, 3 characters), and converting an ASCII calculator name again changes nothing.
// (A non-ASCII result, such as the U+FFFD that a Latin-1 letter becomes, changes again by design:
// the send plan applies the rule until the name settles, and its name never changes again.) A cut
// never leaves half a character.
#include "fuzzcheck.h"
#include "link/culvocalc.h"
#include "link/sendplan.h"

#include <algorithm>
#include <cstring>

namespace {

// Names reach the rule from file systems (UTF-8) and from the user (any UTF-16): the first byte
// chooses how the rest is read.
QString nameFrom(const uint8_t *data, size_t size)
{
    if (size == 0)
        return QString();
    if (data[0] & 1)
        return QString::fromUtf8(reinterpret_cast<const char *>(data + 1), int(size - 1));
    std::u16string units((size - 1) / 2, u'\0');
    std::memcpy(units.data(), data + 1, units.size() * 2);
    return QString::fromStdU16String(units);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString sfn = CUlvoCalc::convertToSfn(nameFrom(data, size));
    const int dot = sfn.lastIndexOf(QLatin1Char('.'));
    const QString base = dot < 0 ? sfn : sfn.left(dot);
    FUZZ_CHECK(base.size() <= 14 && !base.contains(QLatin1Char('.')));
    FUZZ_CHECK(dot < 0 || sfn.size() - dot - 1 <= 3);
    const bool ascii = std::all_of(sfn.cbegin(), sfn.cend(), [](QChar c) { return c.unicode() < 0x80; });
    FUZZ_CHECK(!ascii || CUlvoCalc::convertToSfn(sfn) == sfn);
    for (int i = 0; i < sfn.size(); ++i) {
        if (sfn.at(i).isHighSurrogate())
            FUZZ_CHECK(i + 1 < sfn.size() && sfn.at(++i).isLowSurrogate());
        else
            FUZZ_CHECK(!sfn.at(i).isLowSurrogate());
    }
    const QString planned = SendPlan::calcName(nameFrom(data, size));
    FUZZ_CHECK(CUlvoCalc::convertToSfn(planned) == planned);
    return 0;
}
