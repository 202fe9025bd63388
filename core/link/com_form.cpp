#include "core/link/com_form.h"

namespace core {

ComFormView ComFormShow(int portNumber, int baudRate, bool showOnlyPresent,
                        const std::array<bool, 9>& present) {
  ComFormView v;
  v.checkBox = showOnlyPresent;
  v.checkedPort = portNumber >= 2 && portNumber <= 8 ? portNumber : 1;
  for (int n = 1; n <= 8; ++n) v.enabled[n] = showOnlyPresent ? present[n] : true;
  if (v.checkedPort >= 2 && !v.enabled[v.checkedPort]) v.checkedPort = 1;
  v.rate48 = baudRate == 4800;
  return v;
}

ComFormChoice ComFormOk(bool rate48Checked, bool rate96Checked, int checkedPort, int baudRate,
                        int portNumber) {
  ComFormChoice c{baudRate, portNumber};
  if (rate48Checked) c.baudRate = 4800;
  if (rate96Checked) c.baudRate = 9600;
  if (checkedPort >= 1 && checkedPort <= 8) c.portNumber = checkedPort;
  return c;
}

}  // namespace core
