// The main window on a real desktop: its place on the screen, files handed over by the
// desktop or a second copy, and drag and drop.

#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QShowEvent>
#include <QTimer>

#include "DocumentCommands.h"
#include "DroppedFiles.h"
#include "MainWindowServices.h"
#include "UnitZozAvudMain.h"
#include "WindowPlacement.h"
#include "ui_UnitZozAvudMain.h"

namespace zozavud {

void TFormZozAvudMain::FitLayoutToStyle() {
    FitGroupBoxContents(*ui_->GroupBoxAttribute);
    SetPaneMinimumWidths(*ui_->Splitter1);
    setAcceptDrops(true);
}

void TFormZozAvudMain::PlaceOnScreen() {
    const QSize frame = frameGeometry().size().expandedTo(size());
    move(PlaceWindowOnScreen(DesignedWindowPosition, frame,
                             AvailableScreenArea(*this, DesignedWindowPosition)));
}

void TFormZozAvudMain::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (placed_ || event->spontaneous()) return;
    placed_ = true;
    KeepFrameOnScreenOnceFramed(*this);
}

void TFormZozAvudMain::HandOverFile(const QString& path) {
    if (isMinimized()) showNormal();
    raise();
    activateWindow();
    if (!path.isEmpty()) OpenDocumentFile(path);
}

void TFormZozAvudMain::OpenDocumentFile(const QString& path) {
    pendingOpens_ << path;
    ProcessPendingOpens();
}

void TFormZozAvudMain::ProcessPendingOpens() {
    // A dialog or box of ours is open: opening now would run a second one inside it.
    if (QApplication::activeModalWidget()) {
        QTimer::singleShot(250, this, &TFormZozAvudMain::ProcessPendingOpens);
        return;
    }
    while (!pendingOpens_.isEmpty()) documents_->LoadDocument(pendingOpens_.takeFirst());
}

void TFormZozAvudMain::LoadBitmapFile(const QString& path) {
    const EditResult result = editing_.ImportBitmapFile(path);
    if (!result.Error.isEmpty()) services_->ShowError(result.Error);
}

void TFormZozAvudMain::ImportDroppedFile(const QString& path, bool bitmapFile) {
    if (bitmapFile) {
        LoadBitmapFile(path);
        return;
    }
    const EditResult result = editing_.ImportPictureFile(path, PictureOptions{});
    if (!result.Error.isEmpty()) services_->ShowError(result.Error);
}

namespace {

// What a drop at pos (in receiver's coordinates) would do; None when it is refused.
DropKind DropAt(const QMimeData* data, const QWidget& receiver, QPointF pos, const QWidget& preview,
                QString* path) {
    const std::optional<QString> file = SingleDroppedFile(data);
    if (!file) return DropKind::None;
    *path = *file;
    const QPoint inPreview = preview.mapFromGlobal(receiver.mapToGlobal(pos.toPoint()));
    return KindOfDroppedFile(*file, preview.rect().contains(inPreview));
}

}  // namespace

void TFormZozAvudMain::dragEnterEvent(QDragEnterEvent* event) {
    // Accepted for any single local file, so that moves over the window are reported.
    if (SingleDroppedFile(event->mimeData())) event->acceptProposedAction();
}

void TFormZozAvudMain::dragMoveEvent(QDragMoveEvent* event) {
    QString path;
    if (DropAt(event->mimeData(), *this, event->position(), *ui_->GroupBoxPreview, &path) != DropKind::None)
        event->acceptProposedAction();
    else
        event->ignore();
}

void TFormZozAvudMain::dropEvent(QDropEvent* event) {
    QString path;
    const DropKind kind = DropAt(event->mimeData(), *this, event->position(), *ui_->GroupBoxPreview, &path);
    if (kind == DropKind::None) return;
    event->acceptProposedAction();
    // The drag ends first: the prompt or an error box must not hold up the file manager.
    QTimer::singleShot(0, this, [this, kind, path] {
        if (kind == DropKind::Document)
            OpenDocumentFile(path);
        else
            ImportDroppedFile(path, kind == DropKind::Bitmap);
    });
}

bool TFormZozAvudMain::ForwardDrag(QObject* watched, QEvent* event) {
    // A file dragged over a text box is the window's, not text for the box.
    auto* box = qobject_cast<QWidget*>(watched);
    if (!box) return false;
    switch (event->type()) {
        case QEvent::DragEnter:
        case QEvent::DragMove:
        case QEvent::Drop:
            break;
        default:
            return false;
    }
    auto* drop = static_cast<QDropEvent*>(event);
    if (!SingleDroppedFile(drop->mimeData())) return false;
    QString path;
    const DropKind kind = DropAt(drop->mimeData(), *box, drop->position(), *ui_->GroupBoxPreview, &path);
    if (kind != DropKind::Document) {
        drop->ignore();
        return true;
    }
    drop->acceptProposedAction();
    if (event->type() == QEvent::Drop) QTimer::singleShot(0, this, [this, path] { OpenDocumentFile(path); });
    return true;
}

}  // namespace zozavud
