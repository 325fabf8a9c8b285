#pragma once
#include <QString>
#include <QStringList>
#include <cstdint>

namespace zozavud {

// Makes the Windows faces that records name drawable here: registers the Tahoma of
// fonts-wine when present and maps "Tahoma", "MS UI Gothic" and "Arial" to Debian's
// fonts. Needs a QGuiApplication; runs once, later calls do nothing.
void InstallFontSubstitutions();

// The family list to ask for: the face itself first, then faces suited to the charset.
QStringList FontFamiliesFor(const QString& face, uint8_t charset);

// Where Wine's Tahoma files are, when fonts-wine is installed; empty otherwise.
QStringList WineTahomaFiles();

// Every family to try, in order: FontFamiliesFor with each face's stand-ins after it.
// Needs no QGuiApplication.
QStringList FaceCandidates(const QString& face, uint8_t charset);

// The language a Windows charset stands for, as fontconfig names it ("en" for the rest):
// a face must have its script to draw the charset's texts.
const char* CharsetLanguage(uint8_t charset);

}  // namespace zozavud
