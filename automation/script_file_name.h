#pragma once
// The file a RunScript request names: a bare name gets the ".vbs" extension,
// a name without a drive gets Karvel's script folder in front.
#include <string>

#include "core/function_ref.h"

namespace tessorin {

// `scriptFolder` is asked only when the name needs the folder.
std::u16string ScriptFileName(std::u16string name, TFunctionRef<std::u16string()> scriptFolder);

} // namespace tessorin
