#include "DialogFont.h"

#include <wx/fontenum.h>

namespace {

const char* const kFaceNames[] = {
    "ＭＳ Ｐゴシック",
    "MS PGothic",
    "IPAPGothic",
};

constexpr int kPointSize = 9;

} // namespace

wxFont DialogFont()
{
    for (const char* face : kFaceNames) {
        const wxString name = wxString::FromUTF8(face);
        if (wxFontEnumerator::IsValidFacename(name))
            return wxFont(wxFontInfo(kPointSize).FaceName(name));
    }
    // None installed: the last name still gives the font system a
    // proportional Japanese Gothic to substitute.
    return wxFont(wxFontInfo(kPointSize).FaceName(wxString::FromUTF8(kFaceNames[2])));
}
