#pragma once
// A read-only field whose width the design fixes: a text that does not fit is drawn cut
// with an ellipsis, and the whole text becomes the field's tooltip (a tooltip set on the
// field, such as a warning, takes its place). text() stays the whole text.

#include <QLabel>

namespace zozavud {

class ElidingLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

    // The text as the field draws it.
    QString ShownText() const;
    // What hovering over the field shows.
    QString ShownToolTip() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;

private:
    // The width left for the text inside the frame, margins and indent.
    QRect TextArea() const;
};

}  // namespace zozavud
