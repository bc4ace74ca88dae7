#include "script/class_params.h"

#include "core/case_mapping.h"

namespace tessorin {
namespace {

bool StringsMatch(std::u16string a, std::u16string b, unsigned flags) {
    if (flags & cfIgnoreCase) {
        a = UpperCase(a);
        b = UpperCase(b);
    }
    if (flags & cfSubstring)
        return a.find(b) != std::u16string::npos || b.find(a) != std::u16string::npos;
    return a == b;
}

bool ValuesMatch(const TParamValue& have, const TParamValue& want, unsigned flags) {
    if (have.index() != want.index())
        return false;
    if (auto* text = std::get_if<std::u16string>(&have))
        return StringsMatch(*text, std::get<std::u16string>(want), flags);
    return have == want;
}

bool RelationHolds(const TMetaClass* entry, const TMetaClass* base, TClassRelation relation) {
    switch (relation) {
    case TClassRelation::crDescendant:
        return entry->InheritsFrom(base);
    case TClassRelation::crAncestor:
        return base->InheritsFrom(entry);
    case TClassRelation::crSame:
        return entry == base;
    }
    return false;
}

} // namespace

bool TMetaClass::InheritsFrom(const TMetaClass* ancestor) const {
    for (auto* c = this; c; c = c->FParent)
        if (c == ancestor)
            return true;
    return false;
}

const TParamValue* TObjectParamListItem::Param(const std::u16string& name) const {
    for (auto& param : Params)
        if (SameText(param.Name, name))
            return &param.Value;
    return nullptr;
}

TObjectParamList& TObjectParamList::Global() {
    static TObjectParamList registry;
    return registry;
}

void TObjectParamList::RegisterClassParams(const TMetaClass* classRef,
                                           std::vector<TClassParam> params) {
    FItems.push_back({classRef, true, std::move(params)});
}

bool TObjectParamList::Matches(const TObjectParamListItem& item, const TMetaClass* baseClass,
                               const std::vector<TClassParam>& wanted, TClassRelation relation,
                               unsigned compareFlags) const {
    if (!item.Enabled || !RelationHolds(item.ClassRef, baseClass, relation))
        return false;
    for (auto& want : wanted) {
        auto* have = item.Param(want.Name);
        if (!have || !ValuesMatch(*have, want.Value, compareFlags))
            return false;
    }
    return true;
}

const TObjectParamListItem*
TObjectParamList::FindClassParams(const TMetaClass* baseClass,
                                  const std::vector<TClassParam>& wanted, TClassRelation relation,
                                  unsigned compareFlags) const {
    for (auto& item : FItems)
        if (Matches(item, baseClass, wanted, relation, compareFlags))
            return &item;
    return nullptr;
}

std::vector<const TObjectParamListItem*>
TObjectParamList::FindAllClassParams(const TMetaClass* baseClass,
                                     const std::vector<TClassParam>& wanted,
                                     TClassRelation relation, unsigned compareFlags) const {
    std::vector<const TObjectParamListItem*> found;
    for (auto& item : FItems)
        if (Matches(item, baseClass, wanted, relation, compareFlags))
            found.push_back(&item);
    return found;
}

} // namespace tessorin
