#pragma once
// The process-wide class-parameter registry: classes registered with named
// parameters and found again by class relation and parameter values, in
// registration order. Runners are found by language or file extension here,
// code designers by extension.
#include <functional>
#include <string>
#include <variant>
#include <vector>

namespace tessorin {

// A class reference: what the registry stores and compares by relation.
class TMetaClass {
public:
    TMetaClass(std::u16string name, const TMetaClass* parent)
        : FName(std::move(name)), FParent(parent) {}
    virtual ~TMetaClass() = default;
    const std::u16string& ClassName() const { return FName; }
    const TMetaClass* ClassParent() const { return FParent; }
    bool InheritsFrom(const TMetaClass* ancestor) const;

private:
    std::u16string FName;
    const TMetaClass* FParent;
};

using TParamValue = std::variant<bool, int, std::u16string>;

struct TClassParam {
    std::u16string Name;
    TParamValue Value;
};

enum class TClassRelation {
    crDescendant, // the entry's class descends from (or is) the base class
    crAncestor,   // the base class descends from the entry's class
    crSame,
};

enum TCompareFlag : unsigned {
    cfCaseSensitive = 0,
    cfIgnoreCase = 1,
    cfSubstring = 2, // either string contained in the other
};

struct TObjectParamListItem {
    const TMetaClass* ClassRef;
    bool Enabled;
    std::vector<TClassParam> Params;

    const TParamValue* Param(const std::u16string& name) const;
};

class TObjectParamList {
public:
    static TObjectParamList& Global();

    void RegisterClassParams(const TMetaClass* classRef, std::vector<TClassParam> params);
    const TObjectParamListItem* FindClassParams(const TMetaClass* baseClass,
                                                const std::vector<TClassParam>& wanted,
                                                TClassRelation relation,
                                                unsigned compareFlags) const;
    std::vector<const TObjectParamListItem*>
    FindAllClassParams(const TMetaClass* baseClass, const std::vector<TClassParam>& wanted,
                       TClassRelation relation, unsigned compareFlags) const;

    const std::vector<TObjectParamListItem>& Items() const { return FItems; }

private:
    bool Matches(const TObjectParamListItem& item, const TMetaClass* baseClass,
                 const std::vector<TClassParam>& wanted, TClassRelation relation,
                 unsigned compareFlags) const;

    std::vector<TObjectParamListItem> FItems;
};

} // namespace tessorin
