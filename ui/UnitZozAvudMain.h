#pragma once
#include <QMainWindow>

namespace zozavud {

class TFormZozAvudMain : public QMainWindow {
    Q_OBJECT
public:
    explicit TFormZozAvudMain(QWidget* parent = nullptr);
};

}  // namespace zozavud
