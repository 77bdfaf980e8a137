#pragma once
// A compiled HTML help file (.chm), read through CHMLib: the files stored in it by path, its
// title, the page to open first and its table of contents.

#include "helpview/help_contents.h"

#include <QByteArray>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

struct chmFile;

namespace tavrel::help {

class ChmFile {
public:
    // Null when the file cannot be opened or is not a compiled help file.
    static std::unique_ptr<ChmFile> open(const QString& path);
    ~ChmFile();
    ChmFile(const ChmFile&) = delete;
    ChmFile& operator=(const ChmFile&) = delete;

    // The whole stored file at `path`, counted from the help file's root ("/index.html"; the
    // leading slash may be left out). nullopt for a folder, a file that is not there, or one
    // that cannot be read whole (a damaged or truncated help file).
    std::optional<QByteArray> read(const QString& path) const;

    QString title() const { return title_; }
    // The page to open first, from the root ("/index.html"): the one the file names, else the
    // first page of its contents, else "/index.html"; empty when none of them is stored.
    QString defaultTopic() const { return defaultTopic_; }
    const std::vector<HelpTopic>& contents() const { return contents_; }

private:
    explicit ChmFile(chmFile* handle);
    bool contains(const QString& path) const;
    QString firstStoredFileEndingIn(const QString& suffix) const;

    chmFile* handle_;
    QString title_;
    QString defaultTopic_;
    std::vector<HelpTopic> contents_;
};

}  // namespace tavrel::help
