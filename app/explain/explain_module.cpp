#include "app/explain/explain_module.h"

#include <QAction>

#include "app/explain/erklaerung_image.h"
#include "app/explain/model_pictures.h"
#include "app/mainform.h"
#include "core/editor/menutab.h"

namespace app {

namespace {

struct PictureRow {
  int typeMask;
  const char* objectName;
};

// In the window's order, left to right.
constexpr PictureRow kPictures[] = {
    {0x004, "Gld4Image"},   {0x002, "Gld2Image"},   {0x008, "Gld5Image"},
    {0x010, "AcroImage"},   {0x020, "HeliH1Image"}, {0x040, "HeliH2Image"},
    {0x080, "HeliH4Image"}, {0x200, "HeliHN3Image"}, {0x100, "HeliHR3Image"},
};

// Everything the labels of a content say; another text means they must be drawn afresh.
std::vector<std::string> Labels(const core::Explanation& e) {
  std::vector<std::string> labels{std::to_string(e.pictureMask), std::to_string(e.texts.size())};
  for (const core::DiagramDescription& d : e.diagrams) {
    labels.push_back(d.xLabel);
    labels.push_back(d.yLabel);
  }
  return labels;
}

}  // namespace

ErklaerungPanel::ErklaerungPanel(QWidget* parent) : QWidget(parent) {
  setObjectName("ErklaerungPanel");
  setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
  for (std::size_t i = 0; i < pictures_.size(); ++i)
    pictures_[i] = new ModelTypeImage(kPictures[i].typeMask, kPictures[i].objectName, this);
  image_ = new ErklaerungImage(this);
  SetShowing(false);
  ShowPicture(0);
}

void ErklaerungPanel::ShowPicture(int typeMask) {
  int left = 0;
  for (ModelTypeImage* picture : pictures_) {
    picture->SetShown(picture->TypeMask() == typeMask);
    picture->move(left, 0);
    left += picture->width();
  }
  image_->move(left, 0);
}

void ErklaerungPanel::SetShowing(bool showing) {
  setFixedHeight(showing ? core::kStripHeight : 1);
}

QSize ErklaerungPanel::sizeHint() const { return {core::kStripWidth, height()}; }

ExplainModule::ExplainModule(TMainForm& form) : QObject(&form), form_(form) {
  setObjectName("ExplainModule");
}

ExplainModule* ExplainModule::Install(TMainForm& form) {
  auto* m = new ExplainModule(form);
  m->panel_ = new ErklaerungPanel(&form);
  form.HostPanel(Page::Modellspeicher, m->panel_, 0);
  QAction* tick = form.Action(Cmd::FktErlaeuterungen);
  tick->setEnabled(true);
  m->ticked_ = tick->isChecked();
  m->panel_->setVisible(m->ticked_);
  connect(&form, &TMainForm::ExplanationRequested, m, &ExplainModule::ShowExplanation);
  connect(&form, &TMainForm::OptionsChanged, m, &ExplainModule::OptionsChanged);
  // Copy, reset, undo and the editor's own edits all end here; the labels stay unless changed.
  connect(&form, &TMainForm::ImageChanged, m, [m] { m->ShowExplanation(m->code_); });
  connect(&form, &TMainForm::TransmitterVersionChanged, m, [m] { m->ShowExplanation(m->code_); });
  connect(&form, &TMainForm::ActiveMemoryChanged, m, &ExplainModule::ActiveMemoryChanged);
  return m;
}

// The editor asks again for the tab it selects; until then the strip shows the same menu for the
// new memory where it has that menu, and nothing where it has not.
void ExplainModule::ActiveMemoryChanged() {
  const core::ModellSpeicherTyp* mem = form_.Store().GetActive();
  const std::string code = code_.toStdString();
  bool offered = false;
  for (int mainTab : {0, 1})
    for (const core::MdlMenuTyp* m : core::OfferedMenus(mainTab, mem, form_.TransmitterVersion()))
      offered |= code == m->Code;
  ShowExplanation(mem != nullptr && offered ? code_ : QString());
}

void ExplainModule::OptionsChanged() {
  const bool ticked = form_.Action(Cmd::FktErlaeuterungen)->isChecked();
  if (ticked == ticked_) return;
  ticked_ = ticked;
  panel_->setVisible(ticked);
  ShowExplanation(code_);
}

void ExplainModule::ShowExplanation(const QString& menuCode) {
  code_ = menuCode;
  const std::string code = menuCode.toStdString();
  const core::MdlMenuTyp* menu = code.empty() ? nullptr : core::FindMenuByCode(code);
  if (menu == nullptr || !ticked_) {
    panel_->ShowPicture(0);
    panel_->SetShowing(false);
    lastId_ = 0;
    return;
  }
  const core::ModellSpeicherTyp* mem = form_.Store().GetActive();
  const int version = form_.TransmitterVersion();
  const core::Explanation content = core::DescribeExplanation(*menu, mem, version);
  std::vector<std::string> labels = Labels(content);
  // Another menu, or labels that would read differently (another memory, version or name).
  const bool fresh = menu->Id != lastId_ || labels != lastLabels_;
  lastLabels_ = std::move(labels);
  lastId_ = menu->Id;
  if (content.Empty()) {
    panel_->ShowPicture(0);
    panel_->SetShowing(false);
    return;
  }
  panel_->ShowPicture(content.pictureMask);
  panel_->SetShowing(true);
  panel_->Image()->Draw(content, fresh, mem, version);
}

}  // namespace app
