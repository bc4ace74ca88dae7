// The search options outlive the program through the settings store.
#include <gtest/gtest.h>

#include "memory_store.h"
#include "text/search_options.h"

namespace tessorin {
namespace {

using testing::TMemoryStore;

TSearchOptions Changed() {
    TSearchOptions o;
    o.CaseSensitive = o.WholeWordsOnly = o.RegularExpr = o.PromptOnReplace = true;
    o.FirstSearch = o.InReplace = o.ReplaceAll = o.ShowNotFound = o.IncludeSubDirs = true;
    o.Direction = sdBackward;
    o.Scope = ssSelectedText;
    o.Origin = soFromCursor;
    o.Where = swOther;
    o.TextToFind = u"find";
    o.ReplaceWith = u"with";
    o.FileMask = u"*.vbs";
    return o;
}

void ExpectSame(const TSearchOptions& a, const TSearchOptions& b) {
    EXPECT_EQ(a.CaseSensitive, b.CaseSensitive);
    EXPECT_EQ(a.WholeWordsOnly, b.WholeWordsOnly);
    EXPECT_EQ(a.RegularExpr, b.RegularExpr);
    EXPECT_EQ(a.Direction, b.Direction);
    EXPECT_EQ(a.Scope, b.Scope);
    EXPECT_EQ(a.Origin, b.Origin);
    EXPECT_EQ(a.PromptOnReplace, b.PromptOnReplace);
    EXPECT_EQ(a.TextToFind, b.TextToFind);
    EXPECT_EQ(a.ReplaceWith, b.ReplaceWith);
    EXPECT_EQ(a.FirstSearch, b.FirstSearch);
    EXPECT_EQ(a.InReplace, b.InReplace);
    EXPECT_EQ(a.ReplaceAll, b.ReplaceAll);
    EXPECT_EQ(a.ShowNotFound, b.ShowNotFound);
    EXPECT_EQ(a.Where, b.Where);
    EXPECT_EQ(a.FileMask, b.FileMask);
    EXPECT_EQ(a.IncludeSubDirs, b.IncludeSubDirs);
}

TEST(SearchOptionsTest, SaveAndLoadGiveTheSameOptions) {
    TMemoryStore store;
    const TSearchOptions saved = Changed();
    saved.Save(store);
    EXPECT_EQ(store.Values[u"SearchOptions\\TextToFind"], u"find");
    EXPECT_EQ(store.Values[u"SearchOptions\\Direction"], u"1");
    TSearchOptions loaded;
    loaded.Load(store);
    ExpectSame(loaded, saved);
    TSearchOptions().Save(store);
    loaded.Load(store);
    ExpectSame(loaded, TSearchOptions());
}

TEST(SearchOptionsTest, MissingOrDamagedValuesKeepTheCurrentSetting) {
    TMemoryStore store;
    store.Values[u"SearchOptions\\Direction"] = u"2";
    store.Values[u"SearchOptions\\Scope"] = u"-1";
    store.Values[u"SearchOptions\\CaseSensitive"] = u"yes";
    store.Values[u"SearchOptions\\Where"] = u"-";
    TSearchOptions loaded = Changed();
    loaded.Load(store);
    ExpectSame(loaded, Changed());
}

} // namespace
} // namespace tessorin
