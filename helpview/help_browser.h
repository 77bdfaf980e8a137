#pragma once
// The page view of the help window: a text browser that shows only what is inside a compiled
// help file. Its pages, pictures and style sheets come out of the file; any other address is
// refused, and a link to one opens nothing, except that web and mail links go to the system's
// browser and mail program, as links in a help page do.

#include "helpview/chm_file.h"

#include <QTextBrowser>

#include <memory>

namespace tavrel::help {

class HelpBrowser : public QTextBrowser {
    Q_OBJECT
public:
    HelpBrowser(std::unique_ptr<ChmFile> helpFile, QWidget* parent);

    const ChmFile& helpFile() const { return *helpFile_; }

    // The address of a page given from the help file's root ("printing.html#check").
    static QUrl topicUrl(const QString& local);

    QVariant loadResource(int type, const QUrl& name) override;

protected:
    void doSetSource(const QUrl& url, QTextDocument::ResourceType type) override;

private:
    QVariant page(const std::optional<QByteArray>& bytes, const QString& path) const;
    QVariant picture(const std::optional<QByteArray>& bytes) const;

    std::unique_ptr<ChmFile> helpFile_;
};

}  // namespace tavrel::help
