// The browser's SVG and DXF against the desktop's export of the same measurement: the SVG byte
// for byte, the DXF as ezdxf reads it back.

#include "export/pattern_export.h"
#include "host_tool.h"
#include "web/dxf_file.h"
#include "web/svg_file.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using tavrel::measure::Unit;

struct Case {
    Unit unit;
    const char* text;
    int dotsPerInch;
};

// The desktop's file, or nullopt when it refuses the measurement.
std::optional<QByteArray> desktopFile(const Case& c, const QString& path)
{
    if (!tavrel::exporting::exportPattern({c.text, c.unit, c.dotsPerInch, path.toStdString()})
             .isEmpty())
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return QByteArray("unreadable");
    return file.readAll();
}

QString readBack(const QString& path)
{
    return tavrel::test::runHostTool("python3", {DXF_READER, path}).value_or("unreadable");
}

void PrintTo(const Case& c, std::ostream* out)
{
    *out << "unit " << int(c.unit) << " \"" << c.text << "\" at " << c.dotsPerInch << " dpi";
}

class WebFiles : public testing::TestWithParam<Case> {};

TEST_P(WebFiles, AreTheDesktopsFiles)
{
    const Case c = GetParam();
    QTemporaryDir folder;
    const auto desktopSvg = desktopFile(c, folder.filePath("desktop.svg"));
    const auto webSvg = tavrel::web::svgFile(c.text, c.unit, c.dotsPerInch);
    ASSERT_EQ(desktopSvg.has_value(), webSvg.has_value());
    if (webSvg) {
        EXPECT_EQ(desktopSvg->toStdString(), *webSvg);
    }

    const QString desktopDxf = folder.filePath("desktop.dxf");
    const auto webDxf = tavrel::web::dxfFile(c.text, c.unit, c.dotsPerInch);
    ASSERT_EQ(desktopFile(c, desktopDxf).has_value(), webDxf.has_value());
    if (!webDxf) return;
    QFile web(folder.filePath("web.dxf"));
    ASSERT_TRUE(web.open(QIODevice::WriteOnly));
    web.write(webDxf->data(), qint64(webDxf->size()));
    web.close();
    const QString desktopEntities = readBack(desktopDxf);
    EXPECT_NE(desktopEntities, "unreadable");
    EXPECT_EQ(desktopEntities.toStdString(), readBack(web.fileName()).toStdString());
}

// The smallest measurements that draw, and 0.001 inch, which does not; the largest each unit
// draws at 96 dots per inch, and at 120 the largest refused.
INSTANTIATE_TEST_SUITE_P(
    AcrossUnits, WebFiles,
    testing::Values(Case{Unit::InchesDecimal, "0.001", 96}, Case{Unit::InchesDecimal, "0.004", 120},
                    Case{Unit::InchesDecimal, "1.13", 96}, Case{Unit::InchesDecimal, "91.02", 96},
                    Case{Unit::InchesDecimal, "91.02", 120}, Case{Unit::InchesFractions, "0 1/64", 72},
                    Case{Unit::InchesFractions, "2 3/7", 120}, Case{Unit::InchesFractions, "91", 96},
                    Case{Unit::Millimeter, "0.5", 96}, Case{Unit::Millimeter, "37", 72},
                    Case{Unit::Millimeter, "2311", 96}, Case{Unit::Millimeter, "1849", 120}));

// The page's own titles, written as XML text.
TEST(WebSvg, WritesThePagesTitles)
{
    const auto svg = tavrel::web::svgFile("1", Unit::InchesDecimal, 96, {"A <b> & \"c\"", "d"});
    ASSERT_TRUE(svg);
    EXPECT_NE(svg->find("<title>A &lt;b&gt; &amp; &quot;c&quot;</title>\n    <desc>d</desc>"),
              std::string::npos);
}

}  // namespace
