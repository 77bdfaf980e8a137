#pragma once
// The real print spooler as the printing tests see it: the default printer and its printable
// area, the jobs it has taken, the PDF files its cups-pdf queues write, and queues of the
// tests' own that come and go with a test.

#include <QMarginsF>
#include <QSizeF>
#include <QString>

#include <optional>
#include <vector>

namespace tavrel::test {

// The default printer's name, or nullopt with the spooler's reason in `why`.
std::optional<QString> defaultPrinter(QString& why);

// The paper of a printer's default page size and the margins around its printable area, in
// twips, as its PPD file states them.
struct PaperArea {
    QSizeF paper;
    QMarginsF margins;
};
std::optional<PaperArea> printableAreaOf(const QString& printer);

struct Job {
    int id = 0;
    QString printer;
    bool completed = false;
    bool finished = false;  // completed, cancelled or aborted: the spooler is done with it
};

// Other programs and tests print through the same spooler at the same time: a test follows the
// jobs of a printer of its own, counted from the newest job of any printer.
int newestJobId();  // 0 when the spooler has none
std::vector<Job> jobsAfter(int jobId, const QString& printer);

// Waits up to `seconds` until `count` jobs on `printer` after `jobId` exist and none is still
// pending or printing; returns them.
std::vector<Job> waitForJobsAfter(int jobId, const QString& printer, size_t count,
                                  int seconds = 60);

// The file cups-pdf wrote for a job of this user (it names files "<title>-job_<id>.pdf");
// empty when there is none.
QString printedFile(int jobId);

// A cups-pdf queue that exists for the lifetime of the object, named `name` and this process's
// id, so that a test run beside another keeps its own. `ppd` is a file to use, or empty for the
// standard cups-pdf one; a refusing queue takes no jobs.
class TemporaryQueue {
public:
    enum class Accepts { Jobs, Nothing };
    TemporaryQueue(const QString& name, const QString& ppd, Accepts accepts = Accepts::Jobs);
    ~TemporaryQueue();
    TemporaryQueue(const TemporaryQueue&) = delete;
    TemporaryQueue& operator=(const TemporaryQueue&) = delete;

    bool ready() const { return ready_; }
    const QString& name() const { return name_; }

private:
    QString name_;
    bool ready_ = false;
};

// A copy of a printer's PPD whose default paper is `paper` ("Letter", "A4" ...) with the given
// printable-area margins in points; empty when the PPD cannot be read or written.
QString ppdWithPaper(const QString& printer, const QString& targetPath, const QString& paper,
                     const QMarginsF& marginsPoints);

// A copy of a printer's PPD for a printer that takes no PDF: the spooler makes a job for it and
// then refuses its document. Empty when the PPD cannot be read or written.
QString ppdWithoutPdf(const QString& printer, const QString& targetPath);

}  // namespace tavrel::test
