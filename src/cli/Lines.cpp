#include "cli/Lines.h"

#include "platform/Text.h"

#include <cstdio>

namespace rkm::cli {

std::string Said(const char *text)
{
    if (!text || !*text)
        return std::string();
    return Say::tr(text).toStdString();
}

std::string SerialText(uint32_t serial)
{
    char text[16];
    std::snprintf(text, sizeof text, "%08X", serial);
    return text;
}

std::string Shown(std::string_view bytes)
{
    if (platform::IsUtf8(bytes))
        return std::string(bytes);
    return platform::DecodeText(bytes).toStdString();
}

std::string Json(std::string_view bytes)
{
    const std::string s = Shown(bytes);
    std::string out;
    out.reserve(s.size() + 2);
    out.push_back('"');
    for (const char ch : s) {
        const auto c = static_cast<unsigned char>(ch);
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        case '\b': out += "\\b"; break;
        case '\f': out += "\\f"; break;
        default:
            if (c < 0x20) {
                char buf[8];
                std::snprintf(buf, sizeof buf, "\\u%04x", c);
                out += buf;
            } else {
                out.push_back(static_cast<char>(c));
            }
        }
    }
    out.push_back('"');
    return out;
}

std::string MatchLine(std::string_view shownDisk, const std::vector<std::string_view> &folders,
                      std::string_view fileName)
{
    std::string line = Shown(shownDisk) + "/";
    for (const std::string_view f : folders)
        line += Shown(f) + "/";
    if (!fileName.empty())
        line += Shown(fileName);
    return line;
}

std::string MatchJson(std::string_view listingFile, std::string_view diskName,
                      const std::vector<std::string_view> &folders, std::string_view fileName, int entry)
{
    std::string out = "{\"listing\": " + Json(listingFile) + ", \"disk\": " + Json(diskName) + ", \"folders\": [";
    bool first = true;
    for (const std::string_view f : folders) {
        out += first ? "" : ", ";
        out += Json(f);
        first = false;
    }
    out += "], \"file\": ";
    if (entry >= 0)
        out += Json(fileName) + ", \"index\": " + std::to_string(entry);
    else
        out += "null, \"index\": null";
    out += "}";
    return out;
}

} // namespace rkm::cli
