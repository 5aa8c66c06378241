#pragma once

// Reading a command's arguments: options, flags, sizes and dates. Shared by
// the whole rackmere-cli and its lean front (no catalogue here).

#include <QDate>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace rkm::cli {

// Arguments of one command: options with a value, flags, positionals.
class Args final {
public:
    // `valued` lists the options that take a value ("--name"), `flags` those
    // that do not ("--json"). Unknown options and missing values are errors.
    Args(const std::vector<std::string> &args, std::vector<std::string> valued, std::vector<std::string> flags);
    bool ok() const { return m_error.empty(); }
    const std::string &error() const { return m_error; }
    bool has(std::string_view option) const;
    const std::string *value(std::string_view option) const;
    const std::vector<std::string> &positional() const { return m_positional; }

private:
    std::vector<std::pair<std::string, std::string>> m_values;
    std::vector<std::string> m_flags;
    std::vector<std::string> m_positional;
    std::string m_error;
};

// A size option: a number with an optional unit (ReadSizeInput). False, with
// a message in `error`, when it is given and cannot be read.
bool SizeOption(const Args &a, const char *option, std::optional<uint64_t> &out, std::string &error);
// A date option: YYYY-MM-DD, or a date in this machine's short format; the
// day read is moved by `shift` days (--after D is from the day after D on).
bool DateOption(const Args &a, const char *option, int shift, QDate &out, std::string &error);

} // namespace rkm::cli
