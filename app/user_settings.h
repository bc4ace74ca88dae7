#pragma once
// The global memo and search options live in the per-user store between
// runs: loaded when the program starts, saved when it ends.
#include "platform/registry_settings_store.h"

namespace tessorin {

class TUserSettings {
public:
    TUserSettings();
    ~TUserSettings();
    TUserSettings(const TUserSettings&) = delete;
    TUserSettings& operator=(const TUserSettings&) = delete;

private:
    TRegistrySettingsStore FStore;
};

} // namespace tessorin
