#pragma once
// A digest of what the system loads of an ELF module: its headers and the bytes of its
// segments. Stripping leaves these as they are, but for the header's count and place of the
// section headers, which the loader never reads; those count as zero here.

#include <QByteArray>
#include <QString>

#include <optional>

namespace tavrel::extras {

// nullopt when the file cannot be read or is not a whole module of this machine's kind: one
// whose segments lie beyond its end, as in a file cut short.
std::optional<QByteArray> elfLoadedDigest(const QString& path);

}  // namespace tavrel::extras
