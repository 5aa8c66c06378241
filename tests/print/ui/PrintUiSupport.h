#pragma once
// Helpers for the print widgets' tests: settings in memory.

#include "print/PrintSettings.h"
#include "support/GuiTestSupport.h"

#include <QtTest>

#include <map>
#include <string>

namespace rkm::test {

class MapSettings final : public PrintSettingsStore {
public:
    int getInt(const std::string &key, int defaultValue) override
    {
        auto it = ints.find(key);
        return it == ints.end() ? defaultValue : it->second;
    }
    void setInt(const std::string &key, int value) override { ints[key] = value; }
    std::string getString(const std::string &key) override
    {
        auto it = strings.find(key);
        return it == strings.end() ? std::string() : it->second;
    }
    void setString(const std::string &key, const std::string &value) override { strings[key] = value; }
    std::map<std::string, int> ints;
    std::map<std::string, std::string> strings;
};

} // namespace rkm::test
