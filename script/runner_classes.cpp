#include "script/runner_classes.h"

#include <mutex>

namespace tessorin {
namespace {

const char16_t* const kDescriptionParam = u"ScriptRun.Description";
const char16_t* const kExtensionParam = u"ScriptRun.Extension";

const TRunnerClass kRunners[] = {
    {u"TVbScriptRunner", &AxScriptRunnerClass(), u"VBScript", u"vbs",
     u"{B54F3741-5B07-11CF-A4B0-00AA004A55E8}", u"&H"},
    {u"TVbScriptEncodeRunner", &AxScriptRunnerClass(), u"VBScriptEncode", u"vbe",
     u"{B54F3743-5B07-11CF-A4B0-00AA004A55E8}"},
    {u"TJavaScriptRunner", &AxScriptRunnerClass(), u"JavaScript", u"js",
     u"{F414C260-6AC0-11CF-B6D1-00AA00BBBB58}"},
    {u"TJavaScriptEncodeRunner", &AxScriptRunnerClass(), u"JavaScriptEncode", u"jse",
     u"{F414C262-6AC0-11CF-B6D1-00AA00BBBB58}"},
    {u"TPythonScriptRunner", &AxScriptRunnerClass(), u"PythonScript", u"py",
     u"{DF630910-1C1D-11D0-AE36-8C0F5E000000}"},
    {u"TPerlScriptRunner", &AxScriptRunnerClass(), u"PerlScript", u"pl",
     u"{F8D77580-0F09-11D0-AA61-3C284E000000}"},
    {u"TEnableScriptRunner", &AxScriptRunnerClass(), u"EnableScript", u"bas",
     u"{3C6F3220-4A4A-11D0-89EB-444553540001}"},
};

const TRunnerClass* FindRunner(const char16_t* param, const std::u16string& value) {
    RegisterScriptRunners();
    auto* item = TObjectParamList::Global().FindClassParams(
        &ScriptRunnerClass(), {{param, value}}, TClassRelation::crDescendant, cfIgnoreCase);
    return item ? static_cast<const TRunnerClass*>(item->ClassRef) : nullptr;
}

} // namespace

const TMetaClass& ScriptRunnerClass() {
    static const TMetaClass cls(u"TScriptRunner", nullptr);
    return cls;
}

const TMetaClass& AxScriptRunnerClass() {
    static const TMetaClass cls(u"TAxScriptRunner", &ScriptRunnerClass());
    return cls;
}

const TRunnerClass& VbScriptRunnerClass() {
    return kRunners[0];
}

void RegisterScriptRunners() {
    static std::once_flag registered;
    std::call_once(registered, [] {
        for (auto& runner : kRunners)
            TObjectParamList::Global().RegisterClassParams(
                &runner,
                {{kExtensionParam, runner.Extension}, {kDescriptionParam, runner.Description}});
    });
}

const TRunnerClass* FindRunnerByLanguage(const std::u16string& language) {
    return FindRunner(kDescriptionParam, language);
}

std::u16string ScriptFileExtension(const std::u16string& fileName) {
    auto nameStart = fileName.find_last_of(u"\\/:");
    auto dot = fileName.rfind(u'.');
    if (dot == std::u16string::npos || (nameStart != std::u16string::npos && dot < nameStart))
        return {};
    std::u16string extension;
    for (auto c : fileName.substr(dot))
        if (c != u'.')
            extension += c;
    return extension;
}

const TRunnerClass* FindRunnerByFileName(const std::u16string& fileName) {
    return FindRunner(kExtensionParam, ScriptFileExtension(fileName));
}

} // namespace tessorin
