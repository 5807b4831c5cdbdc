#include "settings/ActionDetect.h"

// Not built yet: no button is an action button.
ActionInfo DetectAction(const std::string&, const std::string&, const std::string&,
                        const std::string&) {
  return ActionInfo();
}
