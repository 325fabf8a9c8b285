#include "MainWindowServices.h"

#include "UnitZozAvudMain.h"

namespace zozavud {

void MainWindowServices::SetCaption(const QString& caption) {
    if (window_) window_->setWindowTitle(caption);
}

// Called once a document has been read: its history starts afresh.
void MainWindowServices::ShowImage(int n) {
    if (window_) window_->ShowOpenedDocument(n);
}

}  // namespace zozavud
