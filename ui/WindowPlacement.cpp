#include "WindowPlacement.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QScreen>
#include <QSplitter>
#include <QStyle>
#include <QStyleOptionGroupBox>
#include <QTimer>
#include <algorithm>

namespace zozavud {

namespace {

// One axis: keep the start where the extent fits, else pull it back, never before low.
int PlaceOnAxis(int start, int extent, int low, int length) {
    const int high = low + length - extent;  // last start at which the extent still fits
    return std::max(low, std::min(start, high));
}

// The right edge, in the pane's coordinates, of the group boxes and check boxes it shows:
// the panels and title strips around them may be cut, the controls may not.
int ControlsRight(const QWidget& pane) {
    int right = 0;
    for (const QWidget* child : pane.findChildren<QWidget*>()) {
        if (!qobject_cast<const QGroupBox*>(child) && !qobject_cast<const QCheckBox*>(child)) continue;
        if (child->isHidden()) continue;
        right = std::max(right, child->mapTo(&pane, QPoint(child->width(), 0)).x());
    }
    return right;
}

// How often, and for how long, a newly shown window is looked at for its frame.
constexpr int FramePollMs = 20;
constexpr int FramePolls = 150;

}  // namespace

QPoint PlaceWindowOnScreen(QPoint designed, QSize frameSize, const QRect& available) {
    if (!available.isValid()) return designed;
    return {PlaceOnAxis(designed.x(), frameSize.width(), available.left(), available.width()),
            PlaceOnAxis(designed.y(), frameSize.height(), available.top(), available.height())};
}

void SetPaneMinimumWidths(QSplitter& splitter) {
    for (int i = 0; i < splitter.count(); ++i) {
        QWidget* pane = splitter.widget(i);
        pane->setMinimumWidth(ControlsRight(*pane));
    }
}

QRect GroupBoxContentsArea(const QGroupBox& box) {
    QStyleOptionGroupBox option;
    option.initFrom(&box);
    option.text = box.title();
    option.lineWidth = 1;
    option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    return box.style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxContents, &box);
}

void FitGroupBoxContents(QGroupBox& box) {
    int top = box.height();
    for (const QWidget* child : box.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (!child->isHidden()) top = std::min(top, child->y());
    const int shift = GroupBoxContentsArea(box).top() - top;
    if (shift <= 0) return;
    for (QWidget* child : box.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        child->move(child->x(), child->y() + shift);
    box.resize(box.width(), box.height() + shift);
}

QRect AvailableScreenArea(const QWidget& window, QPoint position) {
    QScreen* screen = QGuiApplication::screenAt(position);
    if (!screen) screen = window.screen();
    if (!screen) screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

void KeepFrameOnScreenOnceFramed(QWidget& window) {
    auto* timer = new QTimer(&window);
    timer->setInterval(FramePollMs);
    QObject::connect(timer, &QTimer::timeout, &window, [&window, timer, polls = 0]() mutable {
        const QRect frame = window.frameGeometry();
        // Before the window manager has framed the window, its frame is the client alone.
        if (frame.size() == window.size() && ++polls < FramePolls) return;
        timer->deleteLater();
        const QPoint placed =
            PlaceWindowOnScreen(frame.topLeft(), frame.size(), AvailableScreenArea(window, frame.topLeft()));
        if (placed != frame.topLeft()) window.move(placed);
    });
    timer->start();
}

}  // namespace zozavud
