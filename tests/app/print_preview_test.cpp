#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "app/print/preview_form.h"
#include "app/print/print_module.h"
#include "app/print/print_render.h"
#include "core/model/access.h"
#include "core/model/defaults.h"
#include "core/print/page_geometry.h"
#include "core/store/model_memory.h"
#include "core/util/files.h"
#include "tests/app/window_fixture.h"

namespace apptest {
namespace {

// PDF pages written by Qt: one page object each.
int PdfPageCount(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return -1;
  const QString text = QString::fromLatin1(f.readAll());
  return static_cast<int>(text.count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))));
}

class PrintPreviewTest : public WindowTest {
 protected:
  // A HELI H1 memory with default values, active at start.
  app::TMainForm& OpenHeli(const std::function<void(core::ModellSpeicherTyp&)>& change = {}) {
    core::ModellSpeicherTyp r;
    core::FillDefaultMemory(r, core::ModelTypeMaskOfText("HELI H1"), core::NewMemoryLanguage::Englisch, 32);
    core::SetNameFromText(r, "HELI");
    r.dateText = "01.05.26   10:00";
    if (change) change(r);
    EXPECT_TRUE(core::WriteModelMemory(r, core::Utf8FromPath(models / "HELI.FC")).ok());
    settings.texts[kKey + "ModelMem"] = "HELI";
    return Open(true);
  }

  app::TPreviewForm& Preview() { return *form->findChild<app::PrintModule*>()->PreviewForm(); }

  std::vector<QString> Checked() {
    std::vector<QString> codes;
    for (int i = 0; i < 36; ++i)
      if (!Preview().Box(i)->isHidden() && Preview().Box(i)->isChecked()) codes.push_back(Preview().Box(i)->text());
    return codes;
  }

  void Press(const char* name) { Preview().findChild<QPushButton*>(QString::fromLatin1(name))->click(); }
};

TEST_F(PrintPreviewTest, NothingOpensWithoutAnActiveMemory) {
  Open(true);
  QAction* drucken = form->Action(app::Cmd::FktDrucken);
  EXPECT_FALSE(drucken->isEnabled());
  form->findChild<app::PrintModule*>()->OpenPreview();
  EXPECT_FALSE(Preview().isVisible());
}

TEST_F(PrintPreviewTest, OpensWithTheMenuOnScreenAndMarksMenus) {
  OpenHeli();
  QAction* drucken = form->Action(app::Cmd::FktDrucken);
  ASSERT_TRUE(drucken->isEnabled());
  form->RequestExplanation(QStringLiteral("AFR"));
  drucken->trigger();
  ASSERT_TRUE(Preview().isVisible());
  EXPECT_EQ(Checked(), std::vector<QString>{QStringLiteral("AFR")});
  EXPECT_EQ(Preview().Layout().Pages()[0].Line(1).text.rfind("AFR (15)", 0), 0u);
  EXPECT_EQ(Preview().StatusText(), QStringLiteral("Seite: 1"));
  EXPECT_EQ(Preview().Box(35)->isHidden(), Preview().Box(35)->text() == QStringLiteral("..."));

  Press("GeaenderteButton");
  EXPECT_TRUE(Checked().empty()) << "a default memory has no changed menu";
  Press("AlleButton");
  EXPECT_GE(Preview().Layout().PageCount(), 4);
  Press("KeineButton");
  EXPECT_TRUE(Checked().empty());
  EXPECT_EQ(Preview().Layout().PageCount(), 1);

  Press("OkButton");
  EXPECT_FALSE(Preview().isVisible());
  QPushButton* druck = nullptr;  // the editor's, beside the menu title
  for (QPushButton* b : form->findChildren<QPushButton*>(QStringLiteral("DruckButton")))
    if (b->window() == form.get()) druck = b;
  ASSERT_NE(druck, nullptr);
  ASSERT_TRUE(druck->isEnabled());
  druck->click();
  EXPECT_TRUE(Preview().isVisible());
}

TEST_F(PrintPreviewTest, ChangedMenusOfOneAtvChangeInFlight2) {
  OpenHeli([](core::ModellSpeicherTyp& r) {
    for (int k = 1; k <= core::kParamCount; ++k) {
      const core::MemApplMapTyp& def = core::ParamDef(k);
      if (def.key == 92) {  // an ATV rate
        core::SetParameterText(core::ConditionAddress(def.address, 2), core::ParameterFirstBit(def), &r, true, "55", 32);
        break;
      }
    }
  });
  form->findChild<app::PrintModule*>()->OpenPreview();
  Press("GeaenderteButton");
  EXPECT_EQ(Checked(), std::vector<QString>{QStringLiteral("ATV")});
}

TEST_F(PrintPreviewTest, PageTurningResizingAndPrintingARange) {
  OpenHeli();
  form->findChild<app::PrintModule*>()->OpenPreview();
  Press("AlleButton");
  app::TPreviewForm& p = Preview();
  const int count = p.Layout().PageCount();
  ASSERT_GE(count, 4);
  Press("WeiterButton");
  EXPECT_EQ(p.StatusText(), QStringLiteral("Seite: 2"));
  p.Layout().GoToPage(count);
  Press("WeiterButton");
  EXPECT_EQ(p.Layout().CurrentPage(), count);
  EXPECT_EQ(p.StatusText(), QStringLiteral("Seite: %1").arg(count));
  Press("ZurueckButton");
  EXPECT_EQ(p.StatusText(), QStringLiteral("Seite: %1").arg(count - 1));

  p.resize(900, 700);
  Wait(50);
  auto* panel = p.findChild<QWidget*>(QStringLiteral("PreviewPanel"));
  auto* image = p.findChild<QLabel*>(QStringLiteral("PreviewImage"));
  EXPECT_EQ(image->height(), panel->height() - 8);
  EXPECT_EQ(image->width(), core::PageWidthOfHeight(panel->height() - 8));
  EXPECT_EQ(p.Layout().PageCount(), count) << "a resize does not rebuild";

  QTemporaryDir dir;
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(dir.filePath(QStringLiteral("range.pdf")));
  ASSERT_TRUE(p.PrintPages(printer, 2, 3));
  EXPECT_EQ(PdfPageCount(dir.filePath(QStringLiteral("range.pdf"))), 2);
  EXPECT_EQ(p.Layout().CurrentPage(), 3);
}

TEST_F(PrintPreviewTest, PdfIsWrittenWholeOrNotAtAll) {
  OpenHeli();
  form->findChild<app::PrintModule*>()->OpenPreview();
  Press("AlleButton");
  QTemporaryDir dir;
  const QString good = dir.filePath(QStringLiteral("HELI.pdf"));
  ASSERT_TRUE(Preview().SavePdf(good));
  EXPECT_EQ(PdfPageCount(good), Preview().Layout().PageCount());
  EXPECT_TRUE(Preview().MessageText().contains(QStringLiteral("HELI.pdf")));
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 1) << "no temporary file left";

  EXPECT_FALSE(Preview().SavePdf(dir.filePath(QStringLiteral("missing/dir/HELI.pdf"))));
  EXPECT_TRUE(Preview().MessageText().startsWith(QStringLiteral("PDF nicht gespeichert")));
}

#ifdef VELTRANO_CLI_PATH
// The command line's PDF has the pages its layout lists, and its first page is not blank.
TEST_F(PrintPreviewTest, CommandLinePdfMatchesItsLayout) {
  QTemporaryDir dir;
  core::ModellSpeicherTyp r;
  core::FillDefaultMemory(r, core::ModelTypeMaskOfText("GLIDER 4 SERVOS"), core::NewMemoryLanguage::Englisch, 32);
  const QString fc = dir.filePath(QStringLiteral("G4.FC"));
  ASSERT_TRUE(core::WriteModelMemory(r, fc.toStdString()).ok());
  const QString pdf = dir.filePath(QStringLiteral("G4.pdf"));

  QProcess cli;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.remove(QStringLiteral("DISPLAY"));
  env.remove(QStringLiteral("WAYLAND_DISPLAY"));
  env.remove(QStringLiteral("QT_QPA_PLATFORM"));
  cli.setProcessEnvironment(env);
  cli.start(QStringLiteral(VELTRANO_CLI_PATH),
            {QStringLiteral("print"), fc, QStringLiteral("--layout"), QStringLiteral("--pdf"), pdf});
  ASSERT_TRUE(cli.waitForFinished(60000));
  ASSERT_EQ(cli.exitCode(), 0) << cli.readAllStandardError().toStdString();
  const int pages = static_cast<int>(QString::fromUtf8(cli.readAllStandardOutput())
                                         .count(QRegularExpression(QStringLiteral("^Seite \\d+$"),
                                                                   QRegularExpression::MultilineOption)));
  EXPECT_GE(pages, 2);
  EXPECT_EQ(PdfPageCount(pdf), pages);

  QProcess render;
  render.start(QStringLiteral("pdftoppm"), {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("30"),
                                            QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"),
                                            QStringLiteral("1"), pdf, dir.filePath(QStringLiteral("p"))});
  if (!render.waitForFinished(60000) || render.exitCode() != 0) GTEST_SKIP() << "pdftoppm not available";
  const QStringList images = QDir(dir.path()).entryList({QStringLiteral("p*.png")});
  ASSERT_EQ(images.size(), 1);
  const QImage first(dir.filePath(images[0]));
  int dark = 0;
  for (int y = 0; y < first.height(); ++y)
    for (int x = 0; x < first.width(); ++x) dark += qGray(first.pixel(x, y)) < 128;
  EXPECT_GT(dark, 100);

  cli.start(QStringLiteral(VELTRANO_CLI_PATH), {QStringLiteral("print"), fc, QStringLiteral("--menus"),
                                                QStringLiteral("THOV")});
  ASSERT_TRUE(cli.waitForFinished(60000));
  EXPECT_EQ(cli.exitCode(), 2) << "a heli menu is not offered for a glider";
}
#endif

}  // namespace
}  // namespace apptest
