#include "app/user_settings.h"

#include "core/exception.h"
#include "text/global_options.h"
#include "text/search_options.h"

namespace tessorin {

TUserSettings::TUserSettings() {
    TMemoSourceOptions::Instance().Load(FStore);
    TSearchOptions::Global().Load(FStore);
}

TUserSettings::~TUserSettings() {
    try {
        TMemoSourceOptions::Instance().Save(FStore);
        TSearchOptions::Global().Save(FStore);
    } catch (const TException&) {
        // Options that cannot be kept are only defaults next time; the
        // program is ending and has nothing better to do with the error.
    }
}

} // namespace tessorin
