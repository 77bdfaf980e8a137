#pragma once
// The page view of the help window: a text browser whose pages, pictures and style sheets come
// out of a compiled help file.

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

private:
    std::unique_ptr<ChmFile> helpFile_;
};

}  // namespace tavrel::help
