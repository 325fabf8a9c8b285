#pragma once
// A pair of arrow buttons bound to a text box: stepping writes the position into the
// box as a number, and the box's own change handling does the rest.

#include <QWidget>

class QLineEdit;
class QToolButton;

namespace zozavud {

class UpDownControl : public QWidget {
    Q_OBJECT
public:
    UpDownControl(QLineEdit* buddy, QWidget* parent);

    void SetRange(int minimum, int maximum);
    int Position() const { return position_; }
    // Writes the value into the box. The stepping position stays within the range.
    void SetPosition(int value);
    void StepBy(int steps);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* buddy_;
    QToolButton* up_;
    QToolButton* down_;
    int minimum_ = 0;
    int maximum_ = 100;
    int position_ = 0;
};

}  // namespace zozavud
