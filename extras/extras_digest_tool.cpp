// Writes the source that tells the program the digest of the module built with it:
//   tavrel_extras_digest MODULE OUTPUT.cpp
#include "extras/elf_digest.h"

#include <QFile>

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s MODULE OUTPUT.cpp\n", argv[0]);
        return 2;
    }
    const auto digest = tavrel::extras::elfLoadedDigest(QString::fromLocal8Bit(argv[1]));
    if (!digest) {
        std::fprintf(stderr, "%s: %s is not a whole ELF module\n", argv[0], argv[1]);
        return 1;
    }
    QFile output(QString::fromLocal8Bit(argv[2]));
    const QByteArray source =
        "// Written by tavrel_extras_digest from the module built with the program.\n"
        "#include \"extras/extras_check.h\"\n\n"
        "const char tavrel::extras::kBuiltExtrasDigest[] = \"" +
        digest->toHex() + "\";\n";
    if (!output.open(QIODevice::WriteOnly) || output.write(source) != source.size()) {
        std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[2]);
        return 1;
    }
    return 0;
}
