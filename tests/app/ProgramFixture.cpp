#include "tests/app/ProgramFixture.h"

#include "engine/core/PowerFlow.h"
#include "model/DocumentFile.h"
#include "tests/support/FileText.h"

namespace tarvex::test {

namespace {

// The catalogue texts the tests look for.
const char* const kCatalogue = "3 The case or settings file could not be read.\n"
                               "100 There is no slack bus.\n"
                               "101 Too many buses.\n";

} // namespace

ProgramFixture::ProgramFixture() {
    writeFileText("tvx.err", kCatalogue);
    profile = std::make_unique<QSettings>(
        QString::fromStdString((dir.path() / "profile.ini").string()), QSettings::IniFormat);
    program = std::make_unique<CDesktopApp>(ui, *profile,
                                            CErrorReporter(std::vector<std::filesystem::path>{}),
                                            [] { tarvex::engine::PFLINFLO(); });
}

ProgramFixture::~ProgramFixture() {
    program.reset();
}

void ProgramFixture::trigger(CommandId id) {
    program->Commands().Update();
    QAction* command = action(id);
    ASSERT_NE(command, nullptr) << static_cast<int>(id);
    command->trigger();
}

QList<QAction*> ProgramFixture::menuActions(CMenuLayout::MenuIndex index) {
    QMenu* menu = frame().TopMenu(index);
    // What happens before the menu shows.
    emit menu->aboutToShow();
    return menu->actions();
}

QStringList ProgramFixture::menuTexts(CMenuLayout::MenuIndex index) {
    QStringList texts;
    for (QAction* item : menuActions(index)) {
        if (item->isSeparator()) {
            texts << QStringLiteral("---");
            continue;
        }
        QString text = item->text();
        if (!item->shortcut().isEmpty())
            text += QLatin1Char('\t') + item->shortcut().toString(QKeySequence::PortableText);
        texts << text;
    }
    return texts;
}

void ProgramFixture::buildTwoBusNetwork() {
    auto slack = std::make_unique<CBus>(100, -100, 1, doc().NextBusNumber());
    slack->m_type = CBus::kSlack;
    slack->m_voltage = 1.0;
    doc().AddBus(std::move(slack));
    auto load = std::make_unique<CBus>(400, -100, 1, doc().NextBusNumber());
    load->m_type = CBus::kLoad;
    load->m_loadP = 50.0;
    doc().AddBus(std::move(load));
    const CPointL points[2] = {{110, -100}, {410, -100}};
    auto line = std::make_unique<CLine>(points, 2, 1, 1, 2, 1, state());
    line->m_r = 0.0;
    line->m_x = 0.1;
    line->m_b = 0.0;
    doc().AddLine(std::move(line));
}

void ProgramFixture::saveDocument(const std::string& name) {
    const CDocumentFile::Result saved = CDocumentFile::Save(name, doc(), state());
    ASSERT_TRUE(saved.ok) << saved.message;
}

} // namespace tarvex::test
