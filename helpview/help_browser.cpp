#include "helpview/help_browser.h"

namespace tavrel::help {
namespace {

// Pages live under this scheme, so that QTextBrowser resolves relative links and pictures
// against the page that names them, and every load comes back here.
constexpr const char* kScheme = "chm";

}  // namespace

HelpBrowser::HelpBrowser(std::unique_ptr<ChmFile> helpFile, QWidget* parent)
    : QTextBrowser(parent), helpFile_(std::move(helpFile))
{
    setObjectName("helpBrowser");
}

QUrl HelpBrowser::topicUrl(const QString& local)
{
    return QUrl(QString(kScheme) + ":/").resolved(QUrl(local));
}

QVariant HelpBrowser::loadResource(int type, const QUrl& name)
{
    if (name.scheme() != kScheme) return QTextBrowser::loadResource(type, name);
    const QString path = name.path(QUrl::FullyDecoded);
    if (std::optional<QByteArray> bytes = helpFile_->read(path)) return *bytes;
    if (type != QTextDocument::HtmlResource) return {};
    return QString("<html><head><title>Page not found</title></head><body><h1>Page not found</h1>"
                   "<p>The help file has no page %1.</p></body></html>")
        .arg(path.toHtmlEscaped());
}

}  // namespace tavrel::help
