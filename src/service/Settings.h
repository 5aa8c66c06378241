#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace rkm {

// The settings store: integer and string values under short keys ("Top",
// "PrFAll", ...), kept between runs in an INI file in the user's config folder
// ($XDG_CONFIG_HOME/Rackmere/Rackmere.ini, else ~/.config/Rackmere/Rackmere.ini).
// The folder is looked up on every call, so tests that set XDG_CONFIG_HOME get
// a store of their own.

// The value stored under `key`, or `defaultValue` when none (or no number) is stored.
int32_t GetSettingInt(std::string_view key, int32_t defaultValue);
void SetSettingInt(std::string_view key, int32_t value);
// The text stored under `key`, byte for byte, or `defaultValue` when none is stored.
std::string GetSettingString(std::string_view key, std::string_view defaultValue = {});
void SetSettingString(std::string_view key, std::string_view value);
// Whether a value is stored under `key`.
bool HasSetting(std::string_view key);
// The keys that begin with `prefix`, read in one go.
std::vector<std::string> SettingKeysStartingWith(std::string_view prefix);
// Forgets the value under `key` (the file is written only when there was one).
void RemoveSetting(std::string_view key);

// The path of the settings file in use.
std::string SettingsFilePath();
// False when the last write could not be stored (a read-only or full disk).
bool LastSettingWriteSucceeded();

} // namespace rkm
