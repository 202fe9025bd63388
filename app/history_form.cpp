#include "app/history_form.h"

#include <QDialogButtonBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace app {

namespace {

constexpr const char* kHistory =
    "Version 1.0\n"
    "- Modellspeicher eines Verzeichnisses verwalten: nach Namen geordnet, neueste zuerst,\n"
    "  kopieren, umbenennen, löschen und zurückholen, Kommentar je Modellspeicher\n"
    "- Abfrage vor dem Sichern geänderter Modellspeicher, auch beim Beenden\n"
    "- Neue Modellspeicher aus den Defaultdaten der FC-28\n"
    "- Senden und Empfangen von Modellspeichern über die serielle Schnittstelle\n";

}  // namespace

THistoryForm::THistoryForm(QWidget* mainWindow) : QDialog(mainWindow) {
  setObjectName("HistoryForm");
  setWindowTitle("History");
  auto* text = new QPlainTextEdit(QString::fromUtf8(kHistory), this);
  text->setObjectName("HistoryMemo");
  text->setAccessibleName("History");
  text->setReadOnly(true);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  buttons->button(QDialogButtonBox::Ok)->setText("&Ok");
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::hide);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(text);
  layout->addWidget(buttons);
  resize(520, 240);
}

}  // namespace app
