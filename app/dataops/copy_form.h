#pragma once

#include <array>

#include "app/dataops/data_dialog.h"
#include "core/dataops/datamenus.h"

class QCheckBox;
class QRadioButton;

namespace app {

class TMainForm;

/// "Daten kopieren": copies chosen menus from one flight condition of the active or the
/// previous memory into flight conditions of one or both of them. Modeless, made once.
class TCopyForm : public DataDialog {
  Q_OBJECT

 public:
  explicit TCopyForm(TMainForm& form);

  /// Availability and captions of the memory and condition controls, the offered menus.
  void FormShow() override;
  /// "&Kopieren": two passes over the targets, conditions and menus; each changed memory is
  /// one undo step.
  void KopierenButtonClick();

 private:
  QRadioButton* quelleAkt_ = nullptr;
  QRadioButton* quelleLast_ = nullptr;
  QCheckBox* zielAkt_ = nullptr;
  QCheckBox* zielLast_ = nullptr;
  std::array<QRadioButton*, core::kConditionCount> sourceConditions_{};
  std::array<QCheckBox*, core::kConditionCount> targetConditions_{};
};

}  // namespace app
