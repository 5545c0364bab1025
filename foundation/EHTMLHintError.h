#pragma once

#include "platform/core/Exception.h"

namespace skelda::foundation {

// A hint component placed where it cannot work: not on a form, or a second one on its form.
class EHTMLHintError : public plat::Exception {
public:
    using plat::Exception::Exception;
};

}  // namespace skelda::foundation
