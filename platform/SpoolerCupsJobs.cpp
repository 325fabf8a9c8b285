// Following a CUPS job to its end state, for callers that must know it was printed.
#include <cups/cups.h>
#include <QDeadlineTimer>
#include <QThread>

#include "SpoolerCups.h"

namespace zozavud {

namespace {

struct JobState {
    int Job = 0;      // ipp_jstate_t, 0 if unknown
    int Printer = 0;  // ipp_pstate_t, 0 if unknown
    QString Message;  // the printer's own words on what it is doing
};

QString TextAttribute(ipp_t* response, const char* name) {
    ipp_attribute_t* attr = ippFindAttribute(response, name, IPP_TAG_ZERO);
    return attr ? QString::fromUtf8(ippGetString(attr, 0, nullptr)) : QString();
}

int EnumAttribute(ipp_t* response, const char* name) {
    ipp_attribute_t* attr = ippFindAttribute(response, name, IPP_TAG_ENUM);
    return attr ? ippGetInteger(attr, 0) : 0;
}

// False when the server cannot be asked.
bool AskJobState(http_t* http, const QByteArray& printer, int jobId, JobState* state) {
    char uri[HTTP_MAX_URI];
    httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost", 0, "/jobs/%d", jobId);
    ipp_t* request = ippNewRequest(IPP_OP_GET_JOB_ATTRIBUTES);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "job-uri", nullptr, uri);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr, cupsUser());
    static const char* const wanted[] = {"job-state", "job-printer-state-message"};
    ippAddStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", 2, nullptr, wanted);
    ipp_t* response = cupsDoRequest(http, request, "/jobs/");
    if (!response || cupsLastError() > IPP_STATUS_OK_CONFLICTING) {
        ippDelete(response);
        return false;
    }
    state->Job = EnumAttribute(response, "job-state");
    state->Message = TextAttribute(response, "job-printer-state-message");
    ippDelete(response);
    // Only a job still waiting can be held up by its queue: ask the queue only then.
    if (state->Job != IPP_JSTATE_PENDING && state->Job != IPP_JSTATE_HELD && state->Job != IPP_JSTATE_STOPPED)
        return true;

    httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost", 0, "/printers/%s",
                     printer.constData());
    request = ippNewRequest(IPP_OP_GET_PRINTER_ATTRIBUTES);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri);
    response = cupsDoRequest(http, request, "/");
    if (response && cupsLastError() <= IPP_STATUS_OK_CONFLICTING) {
        state->Printer = EnumAttribute(response, "printer-state");
        const QString message = TextAttribute(response, "printer-state-message");
        if (!message.isEmpty()) state->Message = message;
    }
    ippDelete(response);
    return true;
}

QString WithMessage(const QString& what, const QString& message) {
    return message.isEmpty() ? what : what + ": " + message;
}

}  // namespace

Spooler::JobCheck CupsSpooler::CheckJob(const QString& deviceName, int jobId) {
    const QByteArray printer = deviceName.section('/', 0, 0).toUtf8();
    JobState state;
    http_t* http = Connection();
    if (!http || !AskJobState(http, printer, jobId, &state)) {
        if (http) TakeCupsError();
        return {true, false, WithMessage(QStringLiteral("the job's state cannot be read"), lastError_)};
    }
    switch (state.Job) {
        case IPP_JSTATE_COMPLETED:
            return {true, true, {}};
        case IPP_JSTATE_CANCELED:
            return {true, false, WithMessage("the job was cancelled", state.Message)};
        case IPP_JSTATE_ABORTED:
            return {true, false, WithMessage("the job was aborted", state.Message)};
        default:
            break;
    }
    QString failure;
    if (state.Printer == IPP_PSTATE_STOPPED)
        failure = WithMessage(QStringLiteral("the queue is stopped"), state.Message);
    else if (state.Job == IPP_JSTATE_STOPPED || state.Job == IPP_JSTATE_HELD)
        failure = WithMessage(QStringLiteral("the job is held"), state.Message);
    if (failure.isEmpty()) return {false, false, state.Message};
    CancelJob(printer, jobId);
    return {true, false, failure + " (job cancelled)"};
}

void CupsSpooler::GiveUpJob(const QString& deviceName, int jobId) {
    CancelJob(deviceName.section('/', 0, 0).toUtf8(), jobId);
}

Spooler::JobOutcome CupsSpooler::FollowJob(const QString& deviceName, int jobId, int timeoutMs) {
    QDeadlineTimer deadline(timeoutMs);
    for (;;) {
        const JobCheck check = CheckJob(deviceName, jobId);
        if (check.Ended) return {check.Completed, check.Detail};
        if (deadline.hasExpired()) {
            GiveUpJob(deviceName, jobId);
            return {false, NotFinishedDetail(timeoutMs, check.Detail)};
        }
        QThread::msleep(100);
    }
}

}  // namespace zozavud
