#include "platform/system/SystemError.h"

#include <system_error>

namespace platform::system {

std::string SystemErrorText(int error) { return std::generic_category().message(error); }

}  // namespace platform::system
