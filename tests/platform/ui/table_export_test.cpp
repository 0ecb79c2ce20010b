#include "platform/ui/table_export.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// A device that takes `capacity` bytes and then refuses to write.
class FailingDevice : public QIODevice {
public:
    explicit FailingDevice(qint64 capacity) : m_capacity(capacity) { open(QIODevice::WriteOnly); }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char*, qint64 len) override
    {
        if (m_written + len > m_capacity)
            return -1;
        m_written += len;
        return len;
    }

private:
    qint64 m_capacity;
    qint64 m_written = 0;
};

void fill(GridModel& grid)
{
    grid.setColumns({{"Chemical Name", 2000}, {"Total (mg/Kg)\r\nin waste", 1500}, {"Risk", 1500}});
    grid.setGroups({{" ", 0, 1}, {"Risk & \"Hazard\"", 1, 2}});
    grid.setRowStyler([](GridRowStyle& row) {
        if (row.text(2) == "0.00E+00")
            row.setText(2, "---");
    });
    grid.addRow({GridCell::fromText("Café <β>"), GridCell::fromNumber(250.0), GridCell::fromNumber(0.0)});
    grid.addRow({GridCell::fromText("All Waste Constituents"), GridCell::dash(), GridCell::fromNumber(std::nullopt)});
}

}   // namespace

TEST(TableExport, EscapesHtmlAndWritesCharactersWithoutAWindows1252ByteAsReferences)
{
    EXPECT_EQ(htmlEscape("a&b <c> \"d\""), "a&amp;b &lt;c&gt; &quot;d&quot;");
    EXPECT_EQ(htmlEscape("Café €5 m³"), "Café €5 m³");
    EXPECT_EQ(htmlEscape("Ωmega"), "&#937;mega");
    EXPECT_EQ(htmlEscape(QString::fromUcs4(U"\U0001F600x")), "&#128512;x");
}

TEST(TableExport, HtmlFillsTheTemplateWithGroupsCaptionsAndShownTexts)
{
    GridModel grid;
    fill(grid);
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    const QString templateText = "<html><head><title><!--TITLE--></title></head><body><h1><!--TITLE--></h1>\r\n"
                                 "<!--TABLE-->\r\n</body></html>";
    ASSERT_TRUE(writeHtmlTable(out, templateText, grid, "Risk <Surface>").ok());

    const QByteArray expected =
        "<html><head><title>Risk &lt;Surface&gt;</title></head><body><h1>Risk &lt;Surface&gt;</h1>\r\n"
        "<table border=\"1\" cellspacing=\"0\" cellpadding=\"2\">\r\n"
        "<thead>\r\n"
        "<tr><th colspan=\"1\"> </th><th colspan=\"2\">Risk &amp; &quot;Hazard&quot;</th></tr>\r\n"
        "<tr><th>Chemical Name</th><th>Total (mg/Kg)<br>in waste</th><th>Risk</th></tr>\r\n"
        "</thead>\r\n"
        "<tbody>\r\n"
        "<tr><td>Caf\xE9 &lt;&#946;&gt;</td><td>2.50E+02</td><td>---</td></tr>\r\n"
        "<tr><td>All Waste Constituents</td><td>---</td><td></td></tr>\r\n"
        "</tbody>\r\n"
        "</table>\r\n"
        "</body></html>";
    EXPECT_EQ(out.data(), expected);
}

TEST(TableExport, HtmlGoesBeforeTheBodyEndWhenTheTemplateHasNoTableMarker)
{
    GridModel grid;
    grid.setColumns({{"A", 1000}});
    grid.addTextRow("x");
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    ASSERT_TRUE(writeHtmlTable(out, "<html><BODY>top\r\n</BODY></html>", grid, "T").ok());
    EXPECT_TRUE(out.data().startsWith("<html><BODY>top\r\n<table"));
    EXPECT_TRUE(out.data().endsWith("</table>\r\n</BODY></html>"));
}

TEST(TableExport, TextHasACaptionLineAndOneTabDelimitedLinePerRow)
{
    GridModel grid;
    fill(grid);
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    ASSERT_TRUE(writeTextTable(out, grid).ok());
    EXPECT_EQ(out.data(), QByteArray("Chemical Name\tTotal (mg/Kg) in waste\tRisk\r\n"
                                     "Caf\xE9 <?>\t2.50E+02\t---\r\n"
                                     "All Waste Constituents\t---\t\r\n"));

    grid.setColumnHeadersVisible(false);
    QBuffer listOnly;
    listOnly.open(QIODevice::WriteOnly);
    ASSERT_TRUE(writeTextTable(listOnly, grid).ok());
    EXPECT_TRUE(listOnly.data().startsWith("Caf\xE9"));
}

TEST(TableExport, ADeviceThatFailsPartwayIsReported)
{
    GridModel grid;
    fill(grid);
    FailingDevice html(10);
    EXPECT_FALSE(writeHtmlTable(html, "<!--TABLE-->", grid, "T").ok());
    FailingDevice text(10);
    const Status s = writeTextTable(text, grid);
    ASSERT_FALSE(s.ok());
    EXPECT_EQ(s.error().number, kErrFile);
}

TEST(TableExport, SaveFileLeavesNothingBehindOnFailure)
{
    QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath("out.txt");

    const Status failed = saveFile(path, [](QIODevice& out) {
        out.write("partial");
        return Status(Error{kErrFile, "stopped"});
    });
    EXPECT_FALSE(failed.ok());
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_TRUE(QDir(dir.path()).isEmpty());

    EXPECT_FALSE(saveFile(QDir(dir.path()).filePath("missing/out.txt"), [](QIODevice&) { return Status(); }).ok());

    ASSERT_TRUE(saveFile(path, [](QIODevice& out) {
                    out.write("whole");
                    return Status();
                }).ok());
    QFile written(path);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll(), "whole");
}

TEST(TableExport, ReadsTheTemplateAsWindows1252)
{
    QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath("template3.html");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("<p>\x80 \xE9</p>");
    file.close();
    const Result<QString> text = readHtmlTemplate(path);
    ASSERT_TRUE(text.ok());
    EXPECT_EQ(text.value(), QString("<p>€ é</p>"));
    EXPECT_FALSE(readHtmlTemplate(QDir(dir.path()).filePath("none.html")).ok());
}
