#pragma once
// The core's texts (choice words, fixed messages, field words) are English keys. The program
// shows them through this one hook, so that a translation can replace them; the core and
// dpmr-tool stay English, and what is stored never depends on the language shown.

#include <QString>

#include <string_view>

// The translation context every core text is listed under.
inline constexpr char kCoreTextContext[] = "CoreText";

// A core text as the user reads it. Texts no translation knows come back as they are.
QString UiText(std::string_view key);
