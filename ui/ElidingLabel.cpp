#include "ElidingLabel.h"

#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

namespace zozavud {

QRect ElidingLabel::TextArea() const {
    // QLabel's own rule: a framed label without an indent set keeps half an 'x' from the edge.
    int indent = this->indent();
    if (indent < 0) indent = frameWidth() > 0 ? fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2 : 0;
    QRect area = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    if (alignment() & Qt::AlignRight)
        area.setRight(area.right() - indent);
    else
        area.setLeft(area.left() + indent);
    return area;
}

QString ElidingLabel::ShownText() const {
    return fontMetrics().elidedText(text(), Qt::ElideRight, TextArea().width());
}

QString ElidingLabel::ShownToolTip() const {
    if (!toolTip().isEmpty()) return toolTip();
    return ShownText() == text() ? QString() : text();
}

void ElidingLabel::paintEvent(QPaintEvent* event) {
    const QString shown = ShownText();
    if (shown == text()) {
        QLabel::paintEvent(event);
        return;
    }
    // The frame only: the text is drawn cut below, not whole as QLabel would draw it.
    QFrame::paintEvent(event);  // NOLINT(bugprone-parent-virtual-call)
    QPainter painter(this);
    painter.setPen(palette().color(foregroundRole()));
    painter.drawText(TextArea(), static_cast<int>(alignment()), shown);
}

bool ElidingLabel::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip || !toolTip().isEmpty()) return QLabel::event(event);
    const QString tip = ShownToolTip();
    if (tip.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), tip, this);
    return true;
}

}  // namespace zozavud
