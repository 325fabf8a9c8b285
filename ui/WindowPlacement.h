#pragma once
// Where the main window goes on the screen, and the parts of its layout that follow the
// style's measurements rather than fixed numbers.

#include <QPoint>
#include <QRect>
#include <QSize>

class QGroupBox;
class QSplitter;
class QWidget;

namespace zozavud {

// The window's designed top-left corner, frame included.
inline constexpr QPoint DesignedWindowPosition{486, 512};

// The designed position where the whole frame fits into the available area; otherwise
// moved just enough that all of it shows, and at worst onto the area's top-left corner.
QPoint PlaceWindowOnScreen(QPoint designed, QSize frameSize, const QRect& available);

// Gives each pane of the splitter the width its controls need, so that moving the
// boundary never pushes a control out of its pane.
void SetPaneMinimumWidths(QSplitter& splitter);

// Where the style puts the contents of a group box: below its title and frame line.
QRect GroupBoxContentsArea(const QGroupBox& box);
// Moves the controls of a group box down into its contents area (a style may draw the
// frame line lower than the layout's title band allows) and grows the box by as much.
void FitGroupBoxContents(QGroupBox& box);

// The available area of the screen the window would appear on.
QRect AvailableScreenArea(const QWidget& window, QPoint position);

// Called as the window is first shown: once the window manager has framed it (its frame
// and title bar are known only then, from _NET_FRAME_EXTENTS or the frame window), moves
// it just enough that the whole frame shows. Without a window manager, or one that adds
// no frame, the window stays where it is.
void KeepFrameOnScreenOnceFramed(QWidget& window);

}  // namespace zozavud
