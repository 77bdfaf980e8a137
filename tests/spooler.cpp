#include "spooler.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryFile>
#include <QThread>

#include <cups/cups.h>

#include <algorithm>
#include <chrono>

namespace tavrel::test {
namespace {

constexpr double kTwipsPerPoint = 20.0;

// The PPD file as the spooler serves it to its clients.
QString readPpd(const QString& printer)
{
    http_t* http = httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1,
                                30000, nullptr);
    if (!http) return {};
    QTemporaryFile file;
    QString text;
    if (file.open() && cupsGetFd(http, ("/printers/" + printer + ".ppd").toLocal8Bit().constData(),
                                 file.handle()) == HTTP_STATUS_OK) {
        file.seek(0);
        text = QString::fromLatin1(file.readAll());
    }
    httpClose(http);
    return text;
}

QString ppdKeyword(const QString& ppd, const QString& keyword)
{
    const auto match = QRegularExpression("^\\*" + keyword + ":\\s*(\\S+)",
                                          QRegularExpression::MultilineOption)
                           .match(ppd);
    return match.hasMatch() ? match.captured(1) : QString();
}

// The numbers of `*Keyword Option/Text: "n n ..."`.
std::vector<double> ppdNumbers(const QString& ppd, const QString& keyword, const QString& option)
{
    const auto match = QRegularExpression("^\\*" + keyword + " " +
                                              QRegularExpression::escape(option) +
                                              "(/[^:]*)?:\\s*\"([^\"]*)\"",
                                          QRegularExpression::MultilineOption)
                           .match(ppd);
    std::vector<double> numbers;
    if (!match.hasMatch()) return numbers;
    for (const QString& n : match.captured(2).split(' ', Qt::SkipEmptyParts))
        numbers.push_back(n.toDouble());
    return numbers;
}

// `targetPath`, once `ppd` is written there.
QString written(const QString& ppd, const QString& targetPath)
{
    QFile file(targetPath);
    if (!file.open(QIODevice::WriteOnly) || file.write(ppd.toLatin1()) != ppd.size()) return {};
    return targetPath;
}

bool runQuietly(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    return process.waitForFinished(30000) && process.exitStatus() == QProcess::NormalExit &&
           process.exitCode() == 0;
}

}  // namespace

std::optional<QString> defaultPrinter(QString& why)
{
    cups_dest_t* dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, nullptr, nullptr);
    if (!dest) {
        why = QString::fromUtf8(cupsLastErrorString());
        return std::nullopt;
    }
    const QString name = QString::fromLocal8Bit(dest->name);
    cupsFreeDests(1, dest);
    return name;
}

std::optional<PaperArea> printableAreaOf(const QString& printer)
{
    const QString ppd = readPpd(printer);
    const QString size = ppdKeyword(ppd, "DefaultPageSize");
    const auto paper = ppdNumbers(ppd, "PaperDimension", size);
    const auto area = ppdNumbers(ppd, "ImageableArea", size);
    if (paper.size() != 2 || area.size() != 4) return std::nullopt;
    // The imageable area counts from the lower left corner, in points.
    return PaperArea{QSizeF(paper[0], paper[1]) * kTwipsPerPoint,
                     QMarginsF(area[0], paper[1] - area[3], paper[0] - area[2], area[1]) *
                         kTwipsPerPoint};
}

namespace {

std::vector<Job> jobsOf(int jobId, const char* printer)
{
    cups_job_t* jobs = nullptr;
    const int count = cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, printer, 0, CUPS_WHICHJOBS_ALL);
    std::vector<Job> after;
    for (int i = 0; i < count; ++i)
        if (jobs[i].id > jobId)
            after.push_back({jobs[i].id, QString::fromLocal8Bit(jobs[i].dest),
                             jobs[i].state == IPP_JSTATE_COMPLETED,
                             jobs[i].state >= IPP_JSTATE_CANCELED});
    cupsFreeJobs(count, jobs);
    std::sort(after.begin(), after.end(), [](const Job& a, const Job& b) { return a.id < b.id; });
    return after;
}

}  // namespace

std::vector<Job> jobsAfter(int jobId, const QString& printer)
{
    return jobsOf(jobId, printer.toLocal8Bit().constData());
}

int newestJobId()
{
    const auto jobs = jobsOf(0, nullptr);
    return jobs.empty() ? 0 : jobs.back().id;
}

std::vector<Job> waitForJobsAfter(int jobId, const QString& printer, size_t count, int seconds)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    // One query decides: a second one, for the active jobs alone, that failed for a moment read
    // as "none active" and let a test take an unprinted job as done.
    for (;;) {
        const auto after = jobsAfter(jobId, printer);
        const bool settled =
            after.size() >= count &&
            std::all_of(after.begin(), after.end(), [](const Job& job) { return job.finished; });
        if (settled || std::chrono::steady_clock::now() > deadline) return after;
        QThread::msleep(50);
    }
}

QString printedFile(int jobId)
{
    const QDir folder(QDir::homePath() + "/PDF");
    const QStringList names = folder.entryList({QString("*-job_%1.pdf").arg(jobId)}, QDir::Files);
    return names.size() == 1 ? folder.filePath(names.front()) : QString();
}

TemporaryQueue::TemporaryQueue(const QString& name, const QString& ppd, Accepts accepts)
    : name_(name + '-' + QString::number(QCoreApplication::applicationPid()))
{
    QStringList arguments{"-p", name_, "-v", "cups-pdf:/", "-E"};
    arguments << (ppd.isEmpty() ? QStringList{"-m", "lsb/usr/cups-pdf/CUPS-PDF_opt.ppd"}
                                : QStringList{"-P", ppd});
    ready_ = runQuietly("lpadmin", arguments);
    if (ready_ && accepts == Accepts::Nothing) ready_ = runQuietly("cupsreject", {name_});
}

TemporaryQueue::~TemporaryQueue() { runQuietly("lpadmin", {"-x", name_}); }

QString ppdWithPaper(const QString& printer, const QString& targetPath, const QString& paper,
                     const QMarginsF& marginsPoints)
{
    QString ppd = readPpd(printer);
    const auto size = ppdNumbers(ppd, "PaperDimension", paper);
    if (size.size() != 2) return {};
    for (const char* keyword :
         {"DefaultPageSize", "DefaultPageRegion", "DefaultImageableArea", "DefaultPaperDimension"})
        ppd.replace(QRegularExpression(QString("^\\*%1:[^\n]*$").arg(keyword),
                                       QRegularExpression::MultilineOption),
                    QString("*%1: %2").arg(keyword, paper));
    const QString area = QString("*ImageableArea %1: \"%2 %3 %4 %5\"")
                             .arg(paper)
                             .arg(marginsPoints.left())
                             .arg(marginsPoints.bottom())
                             .arg(size[0] - marginsPoints.right())
                             .arg(size[1] - marginsPoints.top());
    ppd.replace(QRegularExpression("^\\*ImageableArea " + QRegularExpression::escape(paper) +
                                       "(/[^:]*)?:[^\n]*$",
                                   QRegularExpression::MultilineOption),
                area);
    return written(ppd, targetPath);
}

QString ppdWithoutPdf(const QString& printer, const QString& targetPath)
{
    const QString ppd = readPpd(printer);
    if (ppd.isEmpty()) return {};
    // The one format the printer then takes is one no program sends it.
    return written(ppd + "\n*cupsFilter: \"image/x-bitmap 0 -\"\n", targetPath);
}

}  // namespace tavrel::test
