#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "app/print/preview_form.h"
#include "app/print/print_module.h"
#include "core/model/defaults.h"
#include "core/print/page_geometry.h"
#include "core/store/model_memory.h"
#include "tests/app/window_fixture.h"
#include "tests/core/model/model_fixture.h"

namespace apptest {
namespace {

// PDF pages written by Qt: one page object each.
int PdfPageCount(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return -1;
  const QString text = QString::fromLatin1(f.readAll());
  return static_cast<int>(text.count(QRegularExpression("/Type\\s*/Page[^s]")));
}

class PrintPreviewTest : public WindowTest {
 protected:
  app::TPreviewForm& Preview() { return *form->findChild<app::PrintModule*>()->PreviewForm(); }
  std::vector<QString> Checked() {
    std::vector<QString> codes;
    for (int i = 0; i < 36; ++i)
      if (!Preview().Box(i)->isHidden() && Preview().Box(i)->isChecked())
        codes.push_back(Preview().Box(i)->text());
    return codes;
  }
  void Press(const char* name) { Find<QPushButton>(name, &Preview())->click(); }
};

// Which menus a memory changed is the print menus' test; here the buttons mark what it says.
TEST_F(PrintPreviewTest, OpensWithAMemoryMarksMenusTurnsPagesAndSavesPdf) {
  WriteMemory("HELI.FC", "HELI", {2026, 5, 1, 10, 0}, "", 32);
  Open(true);
  QAction* drucken = form->Action(app::Cmd::FktDrucken);
  EXPECT_FALSE(drucken->isEnabled());
  form->findChild<app::PrintModule*>()->OpenPreview();
  EXPECT_FALSE(Preview().isVisible());

  Click(NameNode("HELI"));
  const int atvRate = core::test::RowOfMenu(14, "$CHNAME1$-$CHNR1$ RATE RIGHT/UP");
  ASSERT_TRUE(form->ChangeImage(*form->Store().GetActive(), [&](core::ModellSpeicherTyp& r) {
    return core::test::Set(r, atvRate, "55", true, 2);
  }));
  WaitTicks(1);
  ASSERT_TRUE(drucken->isEnabled());
  form->RequestExplanation("AFR");
  drucken->trigger();
  ASSERT_TRUE(Preview().isVisible());
  EXPECT_EQ(Checked(), std::vector<QString>{"AFR"});
  EXPECT_EQ(Preview().Layout().Pages()[0].Line(1).text.rfind("AFR (15)", 0), 0u);
  EXPECT_EQ(Preview().StatusText(), "Seite: 1");
  EXPECT_EQ(Preview().Box(35)->isHidden(), Preview().Box(35)->text() == "...");

  Press("GeaenderteButton");
  EXPECT_EQ(Checked(), std::vector<QString>{"ATV"});
  Press("AlleButton");
  EXPECT_GE(Preview().Layout().PageCount(), 4);
  Press("KeineButton");
  EXPECT_TRUE(Checked().empty());
  EXPECT_EQ(Preview().Layout().PageCount(), 1);

  Press("OkButton");
  EXPECT_FALSE(Preview().isVisible());
  auto* druck = Find<QPushButton>("DruckButton", Find("EditorPanel"));  // beside the menu title
  ASSERT_TRUE(druck->isEnabled());
  druck->click();
  EXPECT_TRUE(Preview().isVisible());

  // Pages turn, resize, print and are saved as PDF.
  Press("AlleButton");
  app::TPreviewForm& p = Preview();
  const int count = p.Layout().PageCount();
  ASSERT_GE(count, 4);
  Press("WeiterButton");
  EXPECT_EQ(p.StatusText(), "Seite: 2");
  p.Layout().GoToPage(count);
  Press("WeiterButton");
  EXPECT_EQ(p.StatusText(), QString("Seite: %1").arg(count));
  Press("ZurueckButton");
  EXPECT_EQ(p.StatusText(), QString("Seite: %1").arg(count - 1));

  p.resize(900, 700);
  Wait(50);
  auto* panel = Find("PreviewPanel", &p);
  auto* image = Find<QLabel>("PreviewImage", &p);
  EXPECT_EQ(image->height(), panel->height() - 8);
  EXPECT_EQ(image->width(), core::PageWidthOfHeight(panel->height() - 8));
  EXPECT_EQ(p.Layout().PageCount(), count) << "a resize does not rebuild";

  QTemporaryDir dir;
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(dir.filePath("range.pdf"));
  ASSERT_TRUE(p.PrintPages(printer, 2, 3));
  EXPECT_EQ(PdfPageCount(dir.filePath("range.pdf")), 2);
  EXPECT_EQ(p.Layout().CurrentPage(), 3);

  // A PDF file is written whole (through a temporary file) or not at all.
  const QString good = dir.filePath("HELI.pdf");
  ASSERT_TRUE(p.SavePdf(good));
  EXPECT_EQ(PdfPageCount(good), count);
  EXPECT_TRUE(p.MessageText().contains("HELI.pdf"));
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 2) << "no temporary file left";
  EXPECT_FALSE(p.SavePdf(dir.filePath("missing/dir/HELI.pdf")));
  EXPECT_TRUE(p.MessageText().startsWith("PDF nicht gespeichert"));
}

#ifdef VELTRANO_CLI
// The command line's PDF has the pages its layout lists, and its first page is not blank.
TEST_F(PrintPreviewTest, CommandLinePdfMatchesItsLayout) {
  QTemporaryDir dir;
  const core::ModellSpeicherTyp r =
      core::test::MakeMemory(core::ModelTypeMaskOfText("GLIDER 4 SERVOS"));
  const QString fc = dir.filePath("G4.FC");
  ASSERT_TRUE(core::WriteModelMemory(r, fc.toStdString()).ok());
  const QString pdf = dir.filePath("G4.pdf");
  QProcess cli;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) env.remove(name);
  cli.setProcessEnvironment(env);
  cli.start(VELTRANO_CLI, {"print", fc, "--layout", "--pdf", pdf});
  ASSERT_TRUE(cli.waitForFinished(60000));
  ASSERT_EQ(cli.exitCode(), 0) << cli.readAllStandardError().toStdString();
  const QString layout = QString::fromUtf8(cli.readAllStandardOutput());
  const int pages = static_cast<int>(
      layout.count(QRegularExpression("^Seite \\d+$", QRegularExpression::MultilineOption)));
  EXPECT_GE(pages, 2);
  EXPECT_EQ(PdfPageCount(pdf), pages);

  QProcess render;
  render.start("pdftoppm", {"-png", "-r", "30", "-f", "1", "-l", "1", pdf, dir.filePath("p")});
  if (!render.waitForFinished(60000) || render.exitCode() != 0)
    GTEST_SKIP() << "pdftoppm not available";
  const QStringList images = QDir(dir.path()).entryList({"p*.png"});
  ASSERT_EQ(images.size(), 1);
  const QImage first(dir.filePath(images[0]));
  int dark = 0;
  for (int y = 0; y < first.height(); ++y)
    for (int x = 0; x < first.width(); ++x) dark += qGray(first.pixel(x, y)) < 128;
  EXPECT_GT(dark, 100);

  cli.start(VELTRANO_CLI, {"print", fc, "--menus", "THOV"});
  ASSERT_TRUE(cli.waitForFinished(60000));
  EXPECT_EQ(cli.exitCode(), 2) << "a heli menu is not offered for a glider";
}
#endif

}  // namespace
}  // namespace apptest
