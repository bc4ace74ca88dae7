#pragma once
// The template sets the program registers at start.
#include <span>

#include "text/code_templates.h"

namespace tessorin {

struct TTemplateSetRec {
    const char16_t* Name;
    TTemplateFill Fill;
};

std::span<const TTemplateSetRec> BuiltInTemplateSets();

} // namespace tessorin
