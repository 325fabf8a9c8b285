#pragma once
// Finds the font that draws a record's face: the face itself or our stand-ins for it (the
// first installed), the charset giving the language of the match; a face without the
// charset's script gives way to the system's face for that language. Through fontconfig
// here; through the platform's font list and mapper on Windows.

#include <QByteArray>
#include <QString>
#include <cstdint>

namespace zozavud {

struct FaceFile {
    QByteArray Path;    // empty when the system has no font at all
    int Index = 0;      // face within a collection
    QString Family;     // the family drawn
    bool Bold = false;  // what the file itself is, not what was asked for
    bool Italic = false;
    bool Substituted = false;   // the system's pick: no candidate is installed, or LacksCharset
    bool LacksCharset = false;  // the face is installed but has not the charset's script
};

// Remembered: the same question gets the answer found the first time.
FaceFile FindFaceFile(const QString& face, uint8_t charset, bool bold, bool italic);
// The platform's own lookup behind it (FontFiles.cpp, FontFilesWindows.cpp), not remembered.
FaceFile LookUpFaceFile(const QString& face, uint8_t charset, bool bold, bool italic);

// Adds the faces of a font file to those looked among, for the rest of the run (tests
// bring faces of their own this way); false when it holds no font. Faces found before
// stay as they were found.
bool AddFontFile(const QString& path);

}  // namespace zozavud
