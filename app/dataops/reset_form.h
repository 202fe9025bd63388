#pragma once

#include <array>

#include "app/dataops/data_dialog.h"
#include "core/dataops/datamenus.h"

class QCheckBox;

namespace app {

class TMainForm;

/// "Daten rücksetzen": sets chosen menus of the active memory, in chosen flight conditions, back
/// to the defaults of its model type. Modeless, made once.
class TResetForm : public DataDialog {
  Q_OBJECT

 public:
  explicit TResetForm(TMainForm& form);

  /// Condition captions of the active memory and the offered menus.
  void FormShow() override;
  /// "&Reset": two passes over the checked conditions and menus, one undo step.
  void ResetButtonClick();

 private:
  std::array<QCheckBox*, core::kConditionCount> conditions_{};
};

}  // namespace app
