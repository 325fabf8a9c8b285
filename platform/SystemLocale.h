#pragma once
#include <QByteArray>
#include <cstdint>

namespace zozavud {

// The locale the program runs in, as a Windows locale id: on Windows the system's default
// locale; elsewhere LC_ALL, then LC_MESSAGES, then LANG, read by LocaleIdFromName.
uint32_t SystemDefaultLocaleId();

#ifndef _WIN32
// The Windows locale id of a POSIX or ICU locale name ("ja_JP.UTF-8" -> 0x0411,
// "de_DE@collation=phonebook" -> 0x10407). C, POSIX and unknown names give 0x0409.
uint32_t LocaleIdFromName(const QByteArray& name);
#endif

}  // namespace zozavud
