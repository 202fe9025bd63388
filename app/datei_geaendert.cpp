#include "app/datei_geaendert.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/util/files.h"

namespace app {

TDateiGeaendertForm::TDateiGeaendertForm(QWidget* mainWindow)
    : QuestionDialog(mainWindow, "DateiGeaendertForm", "Datei geändert") {
  fileLabel_ = new QLabel(this);
  fileLabel_->setObjectName("DateiGeaendertLabel1");
  fileLabel_->setTextFormat(Qt::PlainText);
  QFont bold = fileLabel_->font();
  bold.setBold(true);
  fileLabel_->setFont(bold);
  auto* text = new QLabel(
      "wurde von einem anderen Programm geändert,\n"
      "seit Veltrano die Datei geladen oder gespeichert hat.",
      this);
  text->setObjectName("DateiGeaendertLabel2");
  for (QLabel* l : {fileLabel_, text}) l->setAlignment(Qt::AlignHCenter);

  auto* overwrite = AddButton("UeberschreibenButton", "Ü&berschreiben",
                              static_cast<int>(core::FileChangedAnswer::kOverwrite));
  auto* keep =
      AddButton("AndereBehaltenButton", "Andere Fassung &behalten, unter neuem Namen speichern",
                static_cast<int>(core::FileChangedAnswer::kKeepOther));
  auto* cancel = AddButton("NichtSpeichernButton", "&Nicht speichern",
                           static_cast<int>(core::FileChangedAnswer::kCancel));
  keep->setDefault(true);  // the choice that loses nothing

  auto* buttons = new QHBoxLayout;
  for (QPushButton* b : {overwrite, keep, cancel}) buttons->addWidget(b);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(fileLabel_);
  layout->addWidget(text);
  layout->addStretch();
  layout->addLayout(buttons);
}

core::FileChangedAnswer TDateiGeaendertForm::Ask(const std::string& path) {
  fileLabel_->setText(QString::fromStdString(core::FileNameOf(path)));
  setToolTip(QString::fromStdString(path));
  return static_cast<core::FileChangedAnswer>(AskAndWait());
}

}  // namespace app
