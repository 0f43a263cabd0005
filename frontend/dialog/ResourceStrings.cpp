#include "ResourceStrings.h"

#include "ResourceIds.h"

namespace {

struct StringEntry {
    int id;
    const char* text;
};

const StringEntry kStrings[] = {
#define DIALOG_BEGIN(id, frame, width, height, caption, points, face)
#define CONTROL(kind, id, text, x, y, width, height, style)
#define DIALOG_END(id)
#define STRING(id, text) {id, text},
#include "DialogTemplates.def"
#undef DIALOG_BEGIN
#undef CONTROL
#undef DIALOG_END
#undef STRING
};

}  // namespace

std::string LoadResourceString(int id)
{
    for (const StringEntry& entry : kStrings)
        if (entry.id == id)
            return entry.text;
    return std::string();
}
