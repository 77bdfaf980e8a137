// The exports write their numbers themselves: with the C library's numbers in a locale that
// writes decimal commas, as a Qt application sets them from the system's, every file is byte
// for byte the one written in the C locale.

#include "export/pattern_export.h"
#include "locales.h"
#include "page_raster.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QByteArray exported(const QString& format, const tavrel::exporting::PrintCorrection& correction)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("pattern." + format);
    const QString error =
        tavrel::exporting::exportPattern({"6 1/2", tavrel::measure::Unit::InchesFractions, 120,
                                          path.toStdString(), tavrel::exporting::Paper::Letter,
                                          correction});
    EXPECT_EQ(error, "") << format.toStdString();
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? tavrel::test::withoutWritingTime(file.readAll())
                                          : QByteArray();
}

TEST(PatternExport, WritesTheSameFilesInEveryLocale)
{
    const tavrel::exporting::PrintCorrection correction{1.02, 0.99};
    for (const QString format : {"svg", "dxf", "png", "pdf"}) {
        const QByteArray inC = exported(format, correction);
        ASSERT_FALSE(inC.isEmpty()) << format.toStdString();
        for (const char* locale : tavrel::test::kCommaLocales) {
            const tavrel::test::NumericLocale numbers(locale);
            ASSERT_TRUE(numbers.writesDecimalCommas());
            EXPECT_TRUE(exported(format, correction) == inC)
                << format.toStdString() << " in " << locale;
        }
    }
}

}  // namespace
