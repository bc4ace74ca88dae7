#pragma once
// Code templates the editor offers for insertion, the registry of named
// template sets, and the choice of templates for a typed prefix.
#include <string>
#include <vector>

namespace tessorin {

struct TMemoCodeTemplate {
    std::u16string Name;
    std::u16string Description;
    // A "|" marks where the caret goes after insertion.
    std::vector<std::u16string> Code;
};

// Lookup by name ignores case and answers -1 when absent.
class TMemoCodeTemplates {
public:
    int Count() const { return static_cast<int>(FItems.size()); }
    const TMemoCodeTemplate& operator[](int i) const { return FItems[i]; }
    TMemoCodeTemplate& operator[](int i) { return FItems[i]; }
    int IndexOf(const std::u16string& name) const;
    TMemoCodeTemplate& Add(TMemoCodeTemplate item);
    void Clear() { FItems.clear(); }

private:
    std::vector<TMemoCodeTemplate> FItems;
};

// A built-in template: its code is one string with CR LF between lines.
struct TTemplateRec {
    const char16_t* Name;
    const char16_t* Description;
    const char16_t* Code;
};

void AddTemplates(TMemoCodeTemplates& templates, const TTemplateRec* first,
                  const TTemplateRec* last);

// Fills a collection with a set's templates; null for a set without any.
using TTemplateFill = void (*)(TMemoCodeTemplates&);

// Names ignore case; the first registration of a name wins.
void RegisterTemplateSet(const std::u16string& name, TTemplateFill fill);
// False when the name is not registered.
bool FindTemplateSet(const std::u16string& name, TTemplateFill& fill);

// One offered template: "Description|~Name~" and its index in the collection.
struct TTemplateOffer {
    std::u16string Text;
    int Index = 0;
    bool operator==(const TTemplateOffer&) const = default;
};

// Fills `offers` with the templates offered for a typed prefix; answers the
// offer's index when exactly one template's name equals the prefix, else -1.
int MatchTemplates(const TMemoCodeTemplates& templates, std::vector<TTemplateOffer>& offers,
                   const std::u16string& prefix);

} // namespace tessorin
