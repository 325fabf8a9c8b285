#pragma once
// Record texts are bytes in the code page of the record's font charset.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstdint>

namespace zozavud {

// The ICU converter name for a Windows font charset code (1252 for unknown codes).
const char* CodePageForCharset(uint8_t charset);

// Encodes text in the charset's code page; characters it lacks become "?". The result
// holds at most maxBytes bytes and is never cut inside a double-byte character.
QByteArray EncodeText(const QString& text, uint8_t charset, int maxBytes = 255);

QString DecodeText(const QByteArray& bytes, uint8_t charset);

// The characters of text that the charset's code page cannot hold, each once, in the
// order they first appear (a surrogate pair is one character). These are the ones
// EncodeText stores as "?" (or as a look-alike that reads back as another character).
QStringList LostCharacters(const QString& text, uint8_t charset);

}  // namespace zozavud
