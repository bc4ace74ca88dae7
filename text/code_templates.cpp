#include "text/code_templates.h"

#include <algorithm>
#include <map>

#include "core/case_mapping.h"
#include "text/builtin_templates.h"

namespace tessorin {
namespace {

struct TCaseless {
    bool operator()(const std::u16string& a, const std::u16string& b) const {
        return CompareText(a, b) < 0;
    }
};

using TRegistry = std::map<std::u16string, TTemplateFill, TCaseless>;

TRegistry& Registry() {
    static TRegistry registry = [] {
        TRegistry r;
        for (const TTemplateSetRec& set : BuiltInTemplateSets())
            r.emplace(set.Name, set.Fill);
        return r;
    }();
    return registry;
}

std::vector<std::u16string> SplitCode(std::u16string_view code) {
    std::vector<std::u16string> lines;
    size_t start = 0;
    for (size_t end; (end = code.find(u"\r\n", start)) != std::u16string_view::npos;
         start = end + 2)
        lines.emplace_back(code.substr(start, end - start));
    lines.emplace_back(code.substr(start));
    return lines;
}

bool StartsWith(const std::u16string& name, const std::u16string& prefix) {
    return name.size() >= prefix.size() && SameText(name.substr(0, prefix.size()), prefix);
}

} // namespace

int TMemoCodeTemplates::IndexOf(const std::u16string& name) const {
    auto it = std::find_if(FItems.begin(), FItems.end(),
                           [&](const TMemoCodeTemplate& t) { return SameText(t.Name, name); });
    return it == FItems.end() ? -1 : static_cast<int>(it - FItems.begin());
}

TMemoCodeTemplate& TMemoCodeTemplates::Add(TMemoCodeTemplate item) {
    FItems.push_back(std::move(item));
    return FItems.back();
}

void AddTemplates(TMemoCodeTemplates& templates, const TTemplateRec* first,
                  const TTemplateRec* last) {
    for (const TTemplateRec* r = first; r != last; ++r)
        templates.Add({r->Name, r->Description, SplitCode(r->Code)});
}

void RegisterTemplateSet(const std::u16string& name, TTemplateFill fill) {
    Registry().emplace(name, fill);
}

bool FindTemplateSet(const std::u16string& name, TTemplateFill& fill) {
    auto it = Registry().find(name);
    if (it == Registry().end())
        return false;
    fill = it->second;
    return true;
}

int MatchTemplates(const TMemoCodeTemplates& templates, std::vector<TTemplateOffer>& offers,
                   const std::u16string& prefix) {
    offers.clear();
    int first = -1;
    for (int i = 0; i < templates.Count() && first < 0 && !prefix.empty(); ++i)
        if (StartsWith(templates[i].Name, prefix))
            first = i;
    const bool exact = first >= 0 && SameText(templates[first].Name, prefix);
    for (int i = 0; i < templates.Count(); ++i) {
        const TMemoCodeTemplate& t = templates[i];
        const bool offered = exact ? i == first : first < 0 || StartsWith(t.Name, prefix);
        if (offered)
            offers.push_back({t.Description + u"|~" + t.Name + u"~", i});
    }
    return exact ? 0 : -1;
}

} // namespace tessorin
