#include "automation/script_file_name.h"

namespace tessorin {

std::u16string ScriptFileName(std::u16string name, TFunctionRef<std::u16string()> scriptFolder) {
    if (name.find(u'.') == std::u16string::npos)
        name += u".vbs";
    if (name.find(u':') == std::u16string::npos)
        name = scriptFolder() + u"\\" + name;
    return name;
}

} // namespace tessorin
