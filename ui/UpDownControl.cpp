#include "UpDownControl.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace zozavud {

UpDownControl::UpDownControl(QLineEdit* buddy, QWidget* parent)
    : QWidget(parent), buddy_(buddy), up_(new QToolButton(this)), down_(new QToolButton(this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (QToolButton* button : {up_, down_}) {
        button->setAutoRepeat(true);
        button->setFocusPolicy(Qt::NoFocus);
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        layout->addWidget(button);
    }
    up_->setArrowType(Qt::UpArrow);
    down_->setArrowType(Qt::DownArrow);
    up_->setObjectName("UpDownUp");
    down_->setObjectName("UpDownDown");
    connect(up_, &QToolButton::clicked, this, [this] { StepBy(1); });
    connect(down_, &QToolButton::clicked, this, [this] { StepBy(-1); });
    buddy_->installEventFilter(this);
}

void UpDownControl::SetRange(int minimum, int maximum) {
    minimum_ = minimum;
    maximum_ = maximum;
    position_ = std::clamp(position_, minimum_, maximum_);
}

void UpDownControl::SetPosition(int value) {
    position_ = std::clamp(value, minimum_, maximum_);
    // While the user edits the box, leave text that already reads as the value alone
    // ("-" on the way to "-5"); otherwise the box shows the number.
    bool ok = false;
    const int shown = buddy_->text().toInt(&ok);
    const int read = ok ? shown : 0;
    if (buddy_->hasFocus() && read == value) return;
    buddy_->setText(QString::number(value));
}

void UpDownControl::StepBy(int steps) {
    const int next = std::clamp(position_ + steps, minimum_, maximum_);
    if (next == position_) return;
    position_ = next;
    buddy_->setText(QString::number(position_));
}

bool UpDownControl::eventFilter(QObject* watched, QEvent* event) {
    if (watched == buddy_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            StepBy(key == Qt::Key_Up ? 1 : -1);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace zozavud
