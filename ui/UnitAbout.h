#pragma once
// The About dialog: the application title, three version values of the running
// executable, its file date and the system locale id. Created once, shown many times.

#include <QDialog>
#include <QIcon>
#include <QString>
#include <cstdint>
#include <memory>

namespace Ui {
class TDlgAbout;
}

namespace zozavud {

class TGetVersionInfoFromFile;

// The program's main icon (48, 32 and 16 pixel images).
QIcon MainIcon();

class TDlgAbout : public QDialog {
    Q_OBJECT
public:
    explicit TDlgAbout(QWidget* parent = nullptr);
    ~TDlgAbout() override;

    // The title shown at the top; until set, the application's display name.
    void SetApplicationTitle(const QString& title) { applicationTitle_ = title; }
    void SetSystemLocaleId(uint32_t localeId) { systemLocaleId_ = localeId; }

    TGetVersionInfoFromFile* VersionInfo() const { return versionInfo_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormCreate();
    void FormShow();
    void ApplyDesignFonts();
    void CenterOnScreen();

    std::unique_ptr<Ui::TDlgAbout> ui_;
    TGetVersionInfoFromFile* versionInfo_ = nullptr;  // owned as a child
    QString applicationTitle_;
    uint32_t systemLocaleId_ = 0;
};

}  // namespace zozavud
