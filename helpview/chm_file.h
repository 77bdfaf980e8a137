#pragma once
// A compiled HTML help file (.chm): the files stored in it by path, its title, the page to open
// first and its table of contents.

#include "helpview/help_contents.h"

#include <QByteArray>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

namespace tavrel::help {

class ChmArchive;

class ChmFile {
public:
    // Null when the file cannot be opened, is not a compiled help file, or is damaged anywhere it
    // can be checked.
    static std::unique_ptr<ChmFile> open(const QString& path);
    ~ChmFile();
    ChmFile(const ChmFile&) = delete;
    ChmFile& operator=(const ChmFile&) = delete;

    // The whole stored file at `path`, counted from the help file's root ("/index.html"; the
    // leading slash may be left out). nullopt for a folder or a file that is not there.
    std::optional<QByteArray> read(const QString& path) const;

    QString title() const { return title_; }
    // The page to open first, from the root ("/index.html"): the one the file names, else the
    // first page of its contents, else "/index.html"; empty when none of them is stored.
    QString defaultTopic() const { return defaultTopic_; }
    const std::vector<HelpTopic>& contents() const { return contents_; }

private:
    explicit ChmFile(std::unique_ptr<ChmArchive> archive);
    bool contains(const QString& path) const;
    QString firstStoredFileEndingIn(const QString& suffix) const;

    std::unique_ptr<ChmArchive> archive_;
    QString title_;
    QString defaultTopic_;
    std::vector<HelpTopic> contents_;
};

}  // namespace tavrel::help
