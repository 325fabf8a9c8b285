#pragma once
// Record texts are bytes in the code page of the record's font charset, converted as the
// platform converts them (its WideCharToMultiByte and MultiByteToWideChar with default
// flags): a character the page lacks is written as the page's look-alike for it, else as
// "?"; a byte or pair the page leaves undefined reads as the page's default character (or
// its private-use character for that byte).

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstdint>

namespace zozavud {

// The name of the charset's code page, as messages give it ("windows-1252", "windows-31j",
// ...; the table is in CharsetNames.cpp). Unknown codes use 1252.
const char* CodePageForCharset(uint8_t charset);

// Encodes text in the charset's code page: a character it lacks becomes its look-alike or
// "?" (each half of a surrogate pair a "?"). The result holds at most maxBytes bytes and is
// never cut inside a character.
QByteArray EncodeText(const QString& text, uint8_t charset, int maxBytes = 255);

// EncodeText, except that bytes already stored that read as text stay as they are: a text
// shown and not edited keeps the bytes it had, even those no edit would write.
QByteArray EncodeTextKeeping(const QString& text, const QByteArray& stored, uint8_t charset);

QString DecodeText(const QByteArray& bytes, uint8_t charset);

// The characters of text that the charset's code page cannot hold, each once, in the
// order they first appear (a surrogate pair is one character). These are the ones
// EncodeText stores as "?" or as a look-alike that reads back as another character.
QStringList LostCharacters(const QString& text, uint8_t charset);

// What a character of text reads back as once stored: itself, its look-alike ("L" for "Ł"
// in 1252) or "?".
QString StoredForm(const QString& character, uint8_t charset);

// The characters that the bytes read as where they are no character of the code page (a
// lead byte without its trail, a byte or pair the page leaves undefined), each once, in
// the order they first appear.
QStringList UndefinedByteCharacters(const QByteArray& bytes, uint8_t charset);

}  // namespace zozavud
