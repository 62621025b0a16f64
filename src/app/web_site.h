// The product web site and opening pages of it in the user's browser; used by the
// Internet menu, the splash form's link buttons and the about box.
#pragma once
#include <QtGlobal>
#include <string>

#include "ui/host.h"

namespace quill {

// The product web site's address, without a scheme.
inline constexpr const char* kProductWebSite = "www.quillmere.example";
// The online store's page on that site.
inline constexpr const char* kStorePage = "/mall.htm";

// The program's notice text and version, as the splash form and the about box show them.
inline constexpr const char* kProgramVersion = "v3.03";
inline constexpr const char* kNoticeText =
    QT_TRANSLATE_NOOP("SplashForm", "Free gift edition - share it with your friends!");

// Opens http://<address> in the browser; a failure is shown as a message.
void OpenWebPage(const std::string& address, Host& host);

}  // namespace quill
