#pragma once
// One error report of a script engine: its exception record (owned, with a
// description even where the engine gave none) and zero-based position.
#include <windows.h>
#include <activscp.h>

#include <string>

namespace tessorin {

class TEngineError {
public:
    explicit TEngineError(IActiveScriptError* error);
    ~TEngineError();
    TEngineError(const TEngineError&) = delete;
    TEngineError& operator=(const TEngineError&) = delete;

    const EXCEPINFO& Info() const { return FInfo; }
    int LineNo() const { return FLine; }
    int CharNo() const { return FChar; }

private:
    EXCEPINFO FInfo{};
    int FLine = 0;
    int FChar = 0;
};

// The text a user sees for an engine error without a description of its own.
std::u16string DescribeEngineError(const EXCEPINFO& info);

void ClearExcepInfo(EXCEPINFO& info);

} // namespace tessorin
