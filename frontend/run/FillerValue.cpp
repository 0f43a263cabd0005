#include "FillerValue.h"

namespace {

bool IsUpperHexDigit(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F');
}

char ToUpperAscii(char c)
{
    // Bytes of a multibyte character are left alone, whatever the locale.
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

}  // namespace

bool NormaliseFiller(std::string& filler)
{
    if (filler.size() != 1 && filler.size() != 2)
        return false;
    if (filler.size() == 1)
        filler.insert(filler.begin(), '0');
    for (char& c : filler)
        c = ToUpperAscii(c);
    return IsUpperHexDigit(filler[0]) && IsUpperHexDigit(filler[1]);
}
