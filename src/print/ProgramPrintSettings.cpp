// The stored print defaults live in the program's settings store.
#include "print/PrintSettings.h"

#include "service/Settings.h"

namespace rkm {

namespace {

class ServiceSettings final : public PrintSettingsStore {
public:
    int getInt(const std::string &key, int defaultValue) override { return GetSettingInt(key, defaultValue); }
    void setInt(const std::string &key, int value) override { SetSettingInt(key, value); }
    std::string getString(const std::string &key) override { return GetSettingString(key, {}); }
    void setString(const std::string &key, const std::string &value) override { SetSettingString(key, value); }
};

} // namespace

PrintSettingsStore &ProgramSettings()
{
    static ServiceSettings settings;
    return settings;
}

} // namespace rkm
