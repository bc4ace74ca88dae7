#include <gtest/gtest.h>

#include "memo_fixture.h"

namespace tessorin {
namespace {

using testing::L;

std::vector<std::u16string> NamesOf(const TMemoCodeTemplates& templates) {
    std::vector<std::u16string> names;
    for (int i = 0; i < templates.Count(); ++i)
        names.push_back(templates[i].Name);
    return names;
}

std::vector<std::u16string> Offered(const TMemoCodeTemplates& templates,
                                    const std::vector<TTemplateOffer>& offers) {
    std::vector<std::u16string> names;
    for (const TTemplateOffer& o : offers)
        names.push_back(templates[o.Index].Name);
    return names;
}

TEST(CodeTemplates, BuiltInSetsHoldTheirTemplatesInOrder) {
    struct Case {
        const char16_t* set;
        std::vector<std::u16string> names;
    };
    const Case cases[] = {
        {u"Delphi",
         L({"arrayc", "arrayd",   "casee",  "cases",  "classc", "classd", "classf",    "forb",
            "fors",   "function", "ifb",    "ife",    "ifeb",   "ifs",    "procedure", "trycf",
            "trye",   "tryf",     "whileb", "whiles", "withb",  "withs"})},
        {u"C++ Builder",
         L({"classc", "classd", "classf", "forb", "fors", "function", "ifb", "ife", "ifeb", "ifs",
            "struct", "switche", "switchs", "templ", "trye", "whileb", "whiles"})},
        {u"Clipper",
         L({"access assign", "begins", "beginr", "caseo", "cases", "class", "fori", "forj", "forl",
            "function", "ifn", "ife", "method", "procedure", "whiles", "while!"})},
    };
    for (const Case& c : cases) {
        TMemoSource m;
        m.SetTemplatesType(c.set);
        EXPECT_EQ(m.TemplatesType(), c.set);
        EXPECT_EQ(NamesOf(m.CodeTemplates()), c.names);
        for (int i = 0; i < m.CodeTemplates().Count(); ++i) {
            const TMemoCodeTemplate& t = m.CodeTemplates()[i];
            EXPECT_FALSE(t.Description.empty());
            int carets = 0;
            for (const std::u16string& line : t.Code)
                carets += static_cast<int>(std::count(line.begin(), line.end(), u'|'));
            EXPECT_EQ(carets, 1) << "one caret mark in each template";
        }
    }
}

TEST(CodeTemplates, TellingRows) {
    TMemoSource m;
    m.SetTemplatesType(u"Delphi");
    const TMemoCodeTemplate& ifb = m.CodeTemplates()[m.CodeTemplates().IndexOf(u"IFB")];
    EXPECT_EQ(ifb.Description, u"if statement");
    EXPECT_EQ(ifb.Code, L({"if | then", "begin", "", "end;"}));
    m.SetTemplatesType(u"C++ Builder");
    const TMemoCodeTemplate& forb = m.CodeTemplates()[m.CodeTemplates().IndexOf(u"forb")];
    EXPECT_EQ(forb.Description, u"for statement");
    EXPECT_EQ(forb.Code, L({"for (|; ;)", "{", "", "}"}));
    EXPECT_EQ(m.CodeTemplates().IndexOf(u"nothing"), -1);
}

TEST(CodeTemplates, TypeChangesFillOnlyForSetsWithTemplates) {
    TMemoSource m;
    EXPECT_EQ(m.TemplatesType(), u"None");
    EXPECT_EQ(m.CodeTemplates().Count(), 0);
    m.SetTemplatesType(u"Delphi");
    EXPECT_EQ(m.CodeTemplates().Count(), 22);
    m.SetTemplatesType(u"None");
    EXPECT_EQ(m.TemplatesType(), u"None");
    EXPECT_EQ(m.CodeTemplates().Count(), 22);
    m.SetTemplatesType(u"Cobol");
    EXPECT_EQ(m.TemplatesType(), u"None");
    m.SetTemplatesType(u"clipper"); // registered names ignore case
    EXPECT_EQ(m.CodeTemplates().Count(), 16);
}

TEST(CodeTemplates, RegisteredSetsFirstRegistrationWins) {
    RegisterTemplateSet(u"Tiny", [](TMemoCodeTemplates& t) { t.Add({u"x", u"ex", {u"x|"}}); });
    RegisterTemplateSet(u"TINY", nullptr);
    RegisterTemplateSet(u"Delphi", nullptr);
    TMemoSource m;
    m.SetTemplatesType(u"Tiny");
    EXPECT_EQ(NamesOf(m.CodeTemplates()), L({"x"}));
    m.SetTemplatesType(u"Delphi");
    EXPECT_EQ(m.CodeTemplates().Count(), 22);
}

TEST(CodeTemplates, AssigningCopiesTheItems) {
    TMemoSource a, b;
    a.SetTemplatesType(u"Clipper");
    b.SetCodeTemplates(a.CodeTemplates());
    a.CodeTemplates().Clear();
    EXPECT_EQ(b.CodeTemplates().Count(), 16);
}

TEST(CodeTemplates, MatchingAPrefix) {
    TMemoSource m;
    m.SetTemplatesType(u"Delphi");
    const TMemoCodeTemplates& t = m.CodeTemplates();
    std::vector<TTemplateOffer> offers;
    EXPECT_EQ(MatchTemplates(t, offers, u"if"), -1);
    EXPECT_EQ(Offered(t, offers), L({"ifb", "ife", "ifeb", "ifs"}));
    EXPECT_EQ(MatchTemplates(t, offers, u"IFB"), 0);
    EXPECT_EQ(Offered(t, offers), L({"ifb"}));
    EXPECT_EQ(offers[0].Text, u"if statement|~ifb~");
    EXPECT_EQ(MatchTemplates(t, offers, u"ife"), 0); // not ifeb, which follows it
    EXPECT_EQ(Offered(t, offers), L({"ife"}));
    for (const char16_t* everything : {u"zz", u""}) {
        EXPECT_EQ(MatchTemplates(t, offers, everything), -1);
        EXPECT_EQ(Offered(t, offers), NamesOf(t));
    }
}

} // namespace
} // namespace tessorin
