// The captions of the program's windows. Every caption, message, menu entry,
// table header and tooltip a host shows is marked with VQ_CAPTION: the text
// in the program's own words, as it always read, and the key under which the
// catalogue (i18n/velquor_*.ts, updated by scripts/translations) gives it in
// each language. The dialog hands its hosts these texts; each host shows them
// in the user's language (DialogPlatform::Caption), and velquor-cli prints
// them as they are.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

#define VQ_CAPTION(text) text

// A caption's text with %1, %2, ... replaced by the arguments in turn.
std::string FillCaption(std::string_view pattern, std::initializer_list<std::string_view> args);

// The language of the windows' captions, "es" or "en": the one asked for
// (--lang, VELQUOR_LANG, ?lang=) if it is one of them, else Spanish for a
// system language es*, English for any other.
const char* ChooseLanguage(std::string_view asked, std::string_view system);
// Whether a language can be asked for.
bool KnownLanguage(std::string_view language);
