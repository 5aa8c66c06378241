#include "cli/Args.h"

#include "cli/Lines.h"
#include "platform/TextValues.h"

#include <algorithm>

namespace rkm::cli {

Args::Args(const std::vector<std::string> &args, std::vector<std::string> valued, std::vector<std::string> flags)
{
    bool onlyPositional = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string &a = args[i];
        // A short flag a command takes ("-0") is one; any other text with a
        // single leading '-' is a positional ("-tmp", a query's NOT).
        const bool shortFlag = !onlyPositional && std::find(flags.begin(), flags.end(), a) != flags.end();
        if (!shortFlag && (onlyPositional || a.size() < 2 || a[0] != '-' || (a[1] != '-' && a != "-h"))) {
            m_positional.push_back(a);
            continue;
        }
        if (a == "--") {
            onlyPositional = true;
            continue;
        }
        std::string opt = a;
        std::string val;
        bool inlineValue = false;
        if (auto eq = a.find('='); eq != std::string::npos) {
            opt = a.substr(0, eq);
            val = a.substr(eq + 1);
            inlineValue = true;
        }
        if (std::find(valued.begin(), valued.end(), opt) != valued.end()) {
            if (!inlineValue) {
                if (i + 1 >= args.size()) {
                    m_error = Fill(Say::tr("option %1 needs a value"), {opt});
                    return;
                }
                val = args[++i];
            }
            m_values.emplace_back(opt, val);
        } else if (std::find(flags.begin(), flags.end(), opt) != flags.end() && !inlineValue) {
            m_flags.push_back(opt);
        } else {
            m_error = Fill(Say::tr("unknown option %1"), {a});
            return;
        }
    }
}

bool Args::has(std::string_view option) const
{
    return std::find(m_flags.begin(), m_flags.end(), option) != m_flags.end() || value(option);
}

const std::string *Args::value(std::string_view option) const
{
    // The last one given counts.
    for (auto it = m_values.rbegin(); it != m_values.rend(); ++it)
        if (it->first == option)
            return &it->second;
    return nullptr;
}

bool SizeOption(const Args &a, const char *option, std::optional<uint64_t> &out, std::string &error)
{
    const std::string *v = a.value(option);
    if (!v)
        return true;
    out = platform::ReadSizeInput(*v);
    if (!out)
        error = Fill(Say::tr("%1: '%2' is no size (a number, and b, k, m or g if not bytes)"), {option, *v});
    return out.has_value();
}

bool DateOption(const Args &a, const char *option, int shift, QDate &out, std::string &error)
{
    const std::string *v = a.value(option);
    if (!v)
        return true;
    // YYYY-MM-DD first: a four-digit number first can only be a year.
    const bool iso = v->size() >= 8 &&
                     std::all_of(v->begin(), v->begin() + 4, [](char c) { return c >= '0' && c <= '9'; }) &&
                     (*v)[4] == '-';
    out = platform::ReadDateText(*v, iso ? platform::DateOrder::YearMonthDay : platform::SystemDateOrder());
    if (!out.isValid()) {
        error = Fill(Say::tr("%1: '%2' is no date (YYYY-MM-DD, or this machine's short format)"), {option, *v});
        return false;
    }
    out = out.addDays(shift);
    return true;
}

} // namespace rkm::cli
