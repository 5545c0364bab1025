#pragma once

#include "platform/controls/core/Messages.h"

namespace skelda::editcontrols {

// Asks a control of the family whether its class refuses to be subclassed: the answer is 1
// when the class implements IKvDenySubClassing, else 0.
constexpr unsigned CM_DENYSUBCLASSING = plat::CM_BASE + 2000;

// Marker of the control classes that must not be subclassed by outside code.
class IKvDenySubClassing {
public:
    virtual ~IKvDenySubClassing() = default;
};

}  // namespace skelda::editcontrols
