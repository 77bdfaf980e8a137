#include "helpview/help_browser.h"

#include "helpview/page_limits.h"
#include "platform/shell.h"

#include <QImage>
#include <QStringDecoder>
#include <QStyle>

namespace tavrel::help {
namespace {

// Pages live under this scheme, so that QTextBrowser resolves relative links and pictures
// against the page that names them, and every load comes back here.
constexpr const char* kScheme = "chm";

QString messagePage(const QString& title, const QString& text)
{
    return QString("<html><head><title>%1</title></head><body><h1>%1</h1><p>%2</p></body></html>")
        .arg(title.toHtmlEscaped(), text.toHtmlEscaped());
}

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

// Every answer holds a value: for an empty one, Qt reads the address from the local disk itself.
QVariant HelpBrowser::loadResource(int type, const QUrl& name)
{
    const QString path = name.path(QUrl::FullyDecoded);
    const std::optional<QByteArray> bytes =
        name.scheme() == kScheme ? helpFile_->read(path) : std::nullopt;
    if (type == QTextDocument::HtmlResource) return page(bytes, path);
    if (type == QTextDocument::ImageResource) return picture(bytes);
    return bytes.value_or(QByteArray(""));
}

void HelpBrowser::doSetSource(const QUrl& url, QTextDocument::ResourceType type)
{
    if (url.scheme() == kScheme)
        QTextBrowser::doSetSource(url, type);
    else
        platform::openWebOrMailLink(url);
}

// Decoded as QTextBrowser decodes it, then shown only when it can be laid out in reasonable time.
QVariant HelpBrowser::page(const std::optional<QByteArray>& bytes, const QString& path) const
{
    if (!bytes) {
        //: %1 is the page's address within the help file, such as "printing.html".
        const QString text = tr("The help file has no page %1.").arg(path);
        return messagePage(tr("Page not found"), text);
    }
    QStringDecoder decoder = QStringDecoder::decoderForHtml(*bytes);
    if (!decoder.isValid()) decoder = QStringDecoder(QStringDecoder::Utf8);
    const QString html = decoder(*bytes);
    if (fitsTheHelpWindow(html)) return html;
    //: %1 is the page's address within the help file, such as "printing.html".
    const QString text =
        tr("The page %1 is too large or too deeply nested for the help window to show.").arg(path);
    return messagePage(tr("Page too large"), text);
}

// Decoded here: Qt looks for a picture it cannot decode on the local disk, by its name, at every
// repaint. A missing or damaged one shows as the file icon.
QVariant HelpBrowser::picture(const std::optional<QByteArray>& bytes) const
{
    const QImage image = bytes ? QImage::fromData(*bytes) : QImage();
    if (!image.isNull()) return image;
    return style()->standardPixmap(QStyle::SP_FileIcon).toImage();
}

}  // namespace tavrel::help
