#include "SpoolerCups.h"

#include <cups/cups.h>

#include <algorithm>

namespace zozavud {

namespace {

// How often a wait for the server looks whether it was cancelled or its time is up.
constexpr int AnswerSliceMs = 200;

QString ServerName() { return QStringLiteral("%1:%2").arg(QString::fromUtf8(cupsServer())).arg(ippPort()); }

QString SilentServerMessage(int timeoutMs) {
    return QStringLiteral("The print server %1 did not answer within %2 s.")
        .arg(ServerName())
        .arg(timeoutMs / 1000.0);
}

// CUPS keeps a queue (and an instance) under its name: printable characters but a space,
// '/', '#' and a backslash, at most 127 bytes.
bool CupsCanHoldName(const QString& name) {
    if (name.isEmpty() || name.toUtf8().size() > 127) return false;
    for (const char32_t c : name.toUcs4())
        if (!QChar::isPrint(c) || QChar::isSpace(c) || c == '/' || c == '#' || c == '\\') return false;
    return true;
}

}  // namespace

QString PrinterNameProblem(const QString& deviceName) {
    // "queue/instance" names an instance of the queue, as the printer list gives it.
    const qsizetype slash = deviceName.indexOf('/');
    if (CupsCanHoldName(deviceName.left(slash)) && (slash < 0 || CupsCanHoldName(deviceName.mid(slash + 1))))
        return QString();
    return QStringLiteral(
        "a CUPS printer is QUEUE or QUEUE/INSTANCE, each 1..127 bytes of printable characters "
        "other than space, '/', '#' and '\\'");
}

CupsSpooler::~CupsSpooler() {
    if (documentOpen_) {
        writeFailed_ = true;  // never complete a job nobody finished
        EndDocument();
    }
    Disconnect();
}

http_t* CupsSpooler::Connection() {
    answerClock_.start();
    if (cutShort_) Disconnect();  // in the middle of a request nobody waits for
    cutShort_ = false;
    if (http_) return http_;
    if (serverSilent_) {
        lastError_ = SilentServerMessage(answerTimeoutMs_);
        return nullptr;
    }
    http_ = httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1, answerTimeoutMs_,
                         nullptr);
    if (!http_) {
        lastError_ = QStringLiteral("The print server %1 cannot be reached.").arg(ServerName());
        return nullptr;
    }
    // Without this a server that accepts and never answers holds every call for minutes.
    httpSetTimeout(http_, std::min(answerTimeoutMs_, AnswerSliceMs) / 1000.0, &CupsSpooler::OnAnswerTimeout,
                   this);
    return http_;
}

int CupsSpooler::OnAnswerTimeout(http_t*, void* data) {
    auto* self = static_cast<CupsSpooler*>(data);
    if (self->Cancelled()) {
        self->cutShort_ = true;
        return 0;  // give up the request
    }
    if (self->answerClock_.elapsed() < self->answerTimeoutMs_) return 1;  // wait on
    self->serverSilent_ = true;
    return 0;
}

void CupsSpooler::Disconnect() {
    if (http_) httpClose(http_);
    http_ = nullptr;
}

void CupsSpooler::TakeCupsError() {
    if (cutShort_) {
        lastError_ = QStringLiteral("Cancelled before the print server answered.");
        return;
    }
    if (serverSilent_) {
        // The connection is in the middle of a request nobody answers: drop it.
        lastError_ = SilentServerMessage(answerTimeoutMs_);
        Disconnect();
        return;
    }
    lastError_ = QString::fromUtf8(cupsLastErrorString());
}

bool CupsSpooler::ListPrinters(QStringList* names, QString* defaultName) {
    http_t* http = Connection();
    if (!http) return false;
    cups_dest_t* dests = nullptr;
    const int count = cupsGetDests2(http, &dests);
    if (count == 0 && cupsLastError() > IPP_STATUS_OK_CONFLICTING) {
        TakeCupsError();
        return false;
    }
    for (int i = 0; i < count; ++i) {
        QString name = QString::fromUtf8(dests[i].name);
        if (dests[i].instance) name += '/' + QString::fromUtf8(dests[i].instance);
        if (names) names->append(name);
        if (defaultName && dests[i].is_default) *defaultName = name;
    }
    cupsFreeDests(count, dests);
    return true;
}

QStringList CupsSpooler::PrinterNames() {
    QStringList names;
    lastError_.clear();
    serverSilent_ = false;  // a new choice of printer asks the server again
    ListPrinters(&names, nullptr);
    return names;
}

QString CupsSpooler::DefaultPrinterName() {
    QString name;
    lastError_.clear();
    ListPrinters(nullptr, &name);
    return name;
}

// A queue's settings live on the server and apply to every raw job by themselves.
bool CupsSpooler::LoadDeviceSettings(const QString&) { return true; }
bool CupsSpooler::LockDeviceSettings() { return true; }
void CupsSpooler::UnlockDeviceSettings() {}

CupsSpooler::QueueAnswer CupsSpooler::AskPrinter(http_t* http, const QByteArray& queue) {
    char uri[HTTP_MAX_URI];
    httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost", 0, "/printers/%s",
                     queue.constData());
    ipp_t* request = ippNewRequest(IPP_OP_GET_PRINTER_ATTRIBUTES);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", nullptr,
                 "printer-name");
    ipp_t* response = cupsDoRequest(http, request, "/");
    ippDelete(response);
    if (serverSilent_ || !response) return {false, false};
    return {true, cupsLastError() <= IPP_STATUS_OK_CONFLICTING};
}

bool CupsSpooler::OpenPrinter(const QString& deviceName) {
    lastError_.clear();
    printer_.clear();
    if (const QString problem = PrinterNameProblem(deviceName); !problem.isEmpty()) {
        lastError_ = QStringLiteral("There is no printer \"%1\": %2.").arg(deviceName, problem);
        return false;
    }
    http_t* http = Connection();
    if (!http) return false;
    // "name/instance" names an instance: its options are the client's, the queue is the name.
    const QString queue = deviceName.section('/', 0, 0);
    const QByteArray instance = deviceName.section('/', 1).toUtf8();
    // Asked on our own connection first: the lookup below falls back to libcups' default
    // connection, which has no bound on a server that never answers.
    const QueueAnswer answer = AskPrinter(http, queue.toUtf8());
    if (!answer.Answered || (!answer.Exists && instance.isEmpty())) {
        TakeCupsError();
        if (answer.Answered && cupsLastError() == IPP_STATUS_ERROR_NOT_FOUND)
            lastError_ = QStringLiteral("The printer \"%1\" does not exist.").arg(deviceName);
        return false;
    }
    if (instance.isEmpty()) {  // the queue itself: nothing more to look up
        printer_ = queue.toUtf8();
        return true;
    }
    cups_dest_t* dest = cupsGetNamedDest(http, queue.toUtf8().constData(),
                                         instance.isEmpty() ? nullptr : instance.constData());
    if (!dest) {
        TakeCupsError();
        if (!serverSilent_ && (lastError_.isEmpty() || cupsLastError() <= IPP_STATUS_OK_CONFLICTING))
            lastError_ = QStringLiteral("The printer \"%1\" does not exist.").arg(deviceName);
        return false;
    }
    printer_ = dest->name;
    cupsFreeDests(1, dest);
    return true;
}

// Create-Job itself: the library's wrapper first fetches every attribute of the queue,
// which costs the server more than the job does.
int CupsSpooler::CreateJob(http_t* http, const QByteArray& title) {
    char uri[HTTP_MAX_URI];
    httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost", 0, "/printers/%s",
                     printer_.constData());
    ipp_t* request = ippNewRequest(IPP_OP_CREATE_JOB);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr, cupsUser());
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "job-name", nullptr, title.constData());
    ipp_t* response = cupsDoRequest(http, request, "/printers/" + printer_);
    ipp_attribute_t* id = ippFindAttribute(response, "job-id", IPP_TAG_INTEGER);
    const int job = cupsLastError() <= IPP_STATUS_OK_CONFLICTING && id ? ippGetInteger(id, 0) : 0;
    ippDelete(response);
    return job;
}

bool CupsSpooler::StartDocument(const QString& documentName) {
    lastError_.clear();
    jobId_ = 0;
    writeFailed_ = false;
    http_t* http = Connection();
    if (!http || printer_.isEmpty()) return false;
    const QByteArray title = documentName.toUtf8();
    const int job = CreateJob(http, title);
    if (job == 0) {
        TakeCupsError();
        return false;
    }
    if (cupsStartDocument(http, printer_.constData(), job, title.constData(), CUPS_FORMAT_RAW, 1) !=
        HTTP_STATUS_CONTINUE) {
        TakeCupsError();
        CancelJob(printer_, job);
        return false;
    }
    jobId_ = job;
    documentOpen_ = true;
    return true;
}

bool CupsSpooler::WriteData(const char* data, qint64 size) {
    lastError_.clear();
    // A null connection would make libcups open its default one: never hand it on.
    if (!documentOpen_ || writeFailed_ || size < 0 || !http_ || Cancelled()) {
        writeFailed_ = true;
        return false;
    }
    answerClock_.start();
    if (cupsWriteRequestData(http_, data, static_cast<size_t>(size)) != HTTP_STATUS_CONTINUE) {
        TakeCupsError();
        writeFailed_ = true;
        return false;
    }
    return true;
}

bool CupsSpooler::EndDocument() {
    if (!documentOpen_) return false;
    documentOpen_ = false;
    lastError_.clear();
    if (writeFailed_ || Cancelled()) {
        // Cancel over a fresh connection before the broken upload is dropped, so that no
        // part of the job can start printing in between.
        http_t* upload = http_;
        http_ = nullptr;
        CancelJob(printer_, jobId_);
        if (upload) httpClose(upload);
        return false;
    }
    if (!http_) return false;
    answerClock_.start();
    const ipp_status_t status = cupsFinishDocument(http_, printer_.constData());
    if (status > IPP_STATUS_OK_CONFLICTING) {
        TakeCupsError();
        return false;
    }
    return true;
}

void CupsSpooler::ClosePrinter() { printer_.clear(); }

void CupsSpooler::CancelJob(const QByteArray& name, int jobId) {
    if (jobId <= 0) return;
    const QString keep = lastError_;
    if (http_t* http = Connection()) cupsCancelJob2(http, name.constData(), jobId, 0);
    lastError_ = keep;
}

std::unique_ptr<Spooler> CreateSystemSpooler() { return std::make_unique<CupsSpooler>(); }

}  // namespace zozavud
