#pragma once
// A command file: exactly one printer command, nothing before or after it.

#include <QString>
#include <functional>

#include "CommandEncoder.h"
#include "ImageSet.h"

namespace zozavud {

// DefaultCommandFileName, the name of each kind's file, comes with CommandLayout.h.

// "Can not File open. (path)"
QString CommandFileOpenError(const QString& path);

// Builds the command and makes it the whole content of the file at path, through a
// temporary file renamed over it, so an older file survives any failure. On failure
// calls showError once with the message and returns false.
bool WriteCommandFile(CommandKind kind, const ImageSet& set, int currentImage, const QString& path,
                      const std::function<void(const QString& message)>& showError);

}  // namespace zozavud
