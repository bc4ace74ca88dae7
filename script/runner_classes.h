#pragma once
// The script runner classes and their registration: one Active Scripting
// runner class per engine, found by language name or by file extension.
#include <string>

#include "script/class_params.h"

namespace tessorin {

class TRunnerClass : public TMetaClass {
public:
    TRunnerClass(std::u16string name, const TMetaClass* parent, std::u16string description,
                 std::u16string extension, std::u16string engineClassID,
                 std::u16string hexPrefix = u"0x")
        : TMetaClass(std::move(name), parent), Description(std::move(description)),
          Extension(std::move(extension)), EngineClassID(std::move(engineClassID)),
          HexPrefix(std::move(hexPrefix)) {}

    const std::u16string Description;   // "ScriptRun.Description"
    const std::u16string Extension;     // "ScriptRun.Extension"
    const std::u16string EngineClassID; // registry form, with braces
    const std::u16string HexPrefix;     // literal syntax: prefix of hexadecimal numbers
    const std::u16string StringQuote = u"\"";
};

const TMetaClass& ScriptRunnerClass();   // TScriptRunner, abstract
const TMetaClass& AxScriptRunnerClass(); // TAxScriptRunner
const TRunnerClass& VbScriptRunnerClass();

// Registers the seven runners once, in their fixed order.
void RegisterScriptRunners();

const TRunnerClass* FindRunnerByLanguage(const std::u16string& language);
// The extension of fileName, every "." removed, compared ignoring case.
const TRunnerClass* FindRunnerByFileName(const std::u16string& fileName);
std::u16string ScriptFileExtension(const std::u16string& fileName);

} // namespace tessorin
