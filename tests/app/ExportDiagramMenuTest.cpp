#include "tests/app/ProgramFixture.h"
#include "tests/support/FileText.h"

#include <QImage>

#include <filesystem>

namespace {

using tarvex::test::ProgramFixture;
using tarvex::test::readFileText;
using Id = CommandId;

class ExportDiagramMenuTest : public ProgramFixture {
protected:
    void SetUp() override { buildTwoBusNetwork(); }
};

TEST_F(ExportDiagramMenuTest, WritesThePictureTheUserNamed) {
    ui.fileNames.push_back(std::string("network.png"));
    ui.fileNames.push_back(std::string("network.svg"));
    trigger(Id::FileExportDiagram);
    trigger(Id::FileExportDiagram);
    ASSERT_TRUE(ui.messages.empty()) << ui.messages[0].text;
    const QImage png(QStringLiteral("network.png"));
    ASSERT_FALSE(png.isNull());
    EXPECT_GT(png.width(), 100);
    EXPECT_NE(readFileText("network.svg").find(">B2<"), std::string::npos)
        << "bus labels stay text in the SVG";
}

TEST_F(ExportDiagramMenuTest, ReportsAFileItCannotWriteAndLeavesNothing) {
    ui.fileNames.push_back(std::string("missing-folder/network.png"));
    ui.fileNames.push_back(std::string("network.bmp"));
    trigger(Id::FileExportDiagram);
    trigger(Id::FileExportDiagram);
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[0].title, "Export Diagram");
    EXPECT_NE(ui.messages[0].text.find("missing-folder/network.png"), std::string::npos);
    EXPECT_NE(ui.messages[1].text.find(".png, .svg or .pdf"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists("network.bmp"));
}

TEST_F(ExportDiagramMenuTest, CancelWritesNothing) {
    trigger(Id::FileExportDiagram); // no name scripted: the dialog is cancelled
    EXPECT_TRUE(ui.messages.empty());
    for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
        EXPECT_NE(entry.path().extension(), ".png") << entry.path();
}

} // namespace
