#pragma once
// Sending a printer command, or any file, to a printer as one raw spooler job. No widgets:
// the window supplies the printer chooser and the message box.

#include <QString>
#include <functional>
#include <optional>

#include "CommandEncoder.h"
#include "ImageSet.h"
#include "Spooler.h"

namespace zozavud {

inline constexpr char PrintJobName[] = "ORVANEX LCD Customize Data";
inline constexpr qint64 SendPieceSize = 65536;
inline constexpr char TemporaryFilePrefix[] = "foo";
inline constexpr char NoPrinterMessage[] = "No printer is installed.";
// The next step after NoPrinterMessage, as the manual's page on printers shows it.
inline constexpr char AddRawQueueHint[] =
    "Add a raw queue for the printer, as the manual's page on printers shows: "
    "lpadmin -p NAME -E -v socket://ADDRESS:9100 -m raw";
inline constexpr char SendCancelledMessage[] =
    "Sending was cancelled before the spooler confirmed it: the printer may still print the job.";

using ShowMessage = std::function<void(const QString& message)>;

class PrinterChooser {
public:
    virtual ~PrinterChooser() = default;
    // Runs the printer dialog over the spooler's printers with current preselected (it may
    // be empty). Returns the chosen printer's name, or nothing when the user cancels. Only
    // called when at least one printer exists.
    virtual std::optional<QString> ChoosePrinter(const QString& current, const QStringList& printers) = 0;
};

// Runs spooler work where it may block, telling the user what it waits for; false when
// the user stopped waiting (the work may then still be running, its flag set).
using SpoolerRunner = std::function<bool(const QString& waitingFor, const SpoolerWork& work)>;

class PrinterSender {
public:
    // showMessage shows the spooler's plain boxes; showFileError the error box of a command
    // file that cannot be written, and of a system without printers (showMessage when not
    // given).
    // The spooler's calls are made here and now.
    PrinterSender(Spooler& spooler, PrinterChooser& chooser, ShowMessage showMessage,
                  ShowMessage showFileError = {});
    // The spooler's calls go through run; a send the user stopped waiting for says that
    // the job may still print.
    PrinterSender(SpoolerRunner run, PrinterChooser& chooser, ShowMessage showMessage,
                  ShowMessage showFileError = {});

    // Writes the command to a fresh temporary file, sends that, removes the file.
    bool SendCommand(CommandKind kind, const ImageSet& set, int currentImage);
    // Lets the user choose a printer and sends the file's bytes to it as one job. True
    // only when the spooler took the whole job.
    bool SendFileToPrinter(const QString& path);

    // The printer chosen last in this run; before the first choice, the default printer.
    QString CurrentPrinter() const;

private:
    SpoolerRunner run_;
    PrinterChooser& chooser_;
    ShowMessage showMessage_;
    ShowMessage showFileError_;
    QString current_;
};

struct SendOutcome {
    bool Sent = false;  // the spooler took the whole job
    int JobId = 0;
};

// Sends the file to the printer of that device name as one job; each failure is shown
// once, its first line fixed, the spooler's own words on the second. Once cancelled turns
// true no more steps are taken, and a job the spooler took anyway is given up.
SendOutcome SendFileToNamedPrinter(Spooler& spooler, const QString& deviceName, const QString& path,
                                   const ShowMessage& showMessage, const CancelFlag* cancelled = nullptr);

// Writes the command into a new owner-only temporary file, hands its path to use, and
// removes the file whatever happened. False (message shown) when the file could not be
// written; use is then not called.
bool WithCommandInTemporaryFile(CommandKind kind, const ImageSet& set, int currentImage,
                                const ShowMessage& showError,
                                const std::function<void(const QString& path)>& use);

}  // namespace zozavud
