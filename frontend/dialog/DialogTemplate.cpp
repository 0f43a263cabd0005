#include "DialogTemplate.h"

#include <stdexcept>
#include <string>

#include "ResourceIds.h"

namespace {

// One line of the .def file: the start of a template, one of its controls,
// or its end.
struct TemplateLine {
    enum Type { Begin, Control, End } type;
    DialogFrame frame;
    int pointSize;
    const char* fontFace;
    TemplateControl control;  // Begin: id, caption and size
};

const TemplateLine kLines[] = {
#define DIALOG_BEGIN(id, frame, width, height, caption, points, face) \
    {TemplateLine::Begin, frame, points, face, {ControlKind::Label, id, caption, {0, 0, width, height}, TPL_PLAIN}},
#define CONTROL(kind, id, text, x, y, width, height, style) \
    {TemplateLine::Control, TPL_OWNED, 0, nullptr, {ControlKind::kind, id, text, {x, y, width, height}, style}},
#define DIALOG_END(id) \
    {TemplateLine::End, TPL_OWNED, 0, nullptr, {ControlKind::Label, id, nullptr, {0, 0, 0, 0}, TPL_PLAIN}},
#define STRING(id, text)
#include "DialogTemplates.def"
#undef DIALOG_BEGIN
#undef CONTROL
#undef DIALOG_END
#undef STRING
};

std::vector<DialogTemplate> CollectTemplates()
{
    std::vector<DialogTemplate> templates;
    for (const TemplateLine& line : kLines) {
        const TemplateControl& c = line.control;
        if (line.type == TemplateLine::Begin)
            templates.push_back({c.id, line.frame, c.rect.width, c.rect.height, c.text,
                                 line.pointSize, line.fontFace, {}});
        else if (line.type == TemplateLine::Control)
            templates.back().controls.push_back(c);
    }
    return templates;
}

}  // namespace

const DialogTemplate& FindDialogTemplate(int id)
{
    static const std::vector<DialogTemplate> templates = CollectTemplates();
    for (const DialogTemplate& t : templates)
        if (t.id == id)
            return t;
    throw std::out_of_range("no dialog template " + std::to_string(id));
}
