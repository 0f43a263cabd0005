#include "AppIcon.h"

#include <wx/bitmap.h>
#include <wx/icon.h>
#include <wx/image.h>
#include <wx/imagpng.h>

#include "AppIconPng.h"

namespace {

wxIcon IconFromPng(const unsigned char* data, size_t size)
{
    // Decoding goes through wxImage, which needs the PNG handler.
    if (!wxImage::FindHandler(wxBITMAP_TYPE_PNG))
        wxImage::AddHandler(new wxPNGHandler);
    wxIcon icon;
    icon.CopyFromBitmap(wxBitmap::NewFromPNGData(data, size));
    return icon;
}

} // namespace

wxIconBundle LoadAppIcon()
{
    wxIconBundle bundle;
    bundle.AddIcon(IconFromPng(trelk_dump_16_png, sizeof trelk_dump_16_png));
    bundle.AddIcon(IconFromPng(trelk_dump_32_png, sizeof trelk_dump_32_png));
    bundle.AddIcon(IconFromPng(trelk_dump_48_png, sizeof trelk_dump_48_png));
    return bundle;
}

wxIcon LoadAppIconLarge()
{
    return IconFromPng(trelk_dump_32_png, sizeof trelk_dump_32_png);
}
