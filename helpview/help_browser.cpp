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
    const QString title = tr("Page not found").toHtmlEscaped();
    //: %1 is the page's address within the help file, such as "printing.html".
    const QString text = tr("The help file has no page %1.").arg(path).toHtmlEscaped();
    return QString("<html><head><title>%1</title></head><body><h1>%1</h1><p>%2</p></body></html>")
        .arg(title, text);
}

}  // namespace tavrel::help
