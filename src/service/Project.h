#pragma once

// The addresses of the project, in one place: the about box, the web-site
// item and the support mail all read them from here.
namespace rkm {

inline constexpr char APP_TITLE[] = "Rackmere V1.0";
inline constexpr char APP_KEY[] = "RKM";
inline constexpr char PROJECT_WEB_ADDRESS[] = "https://rackmere.tarnwell.org/";
inline constexpr char SUPPORT_MAIL_ADDRESS[] = "support@rackmere.tarnwell.org";

} // namespace rkm
