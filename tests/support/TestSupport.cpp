#include "support/TestSupport.h"

#include <stdexcept>

namespace talur::test {

TempFolder::TempFolder() {
    if (!m_dir.isValid())
        throw std::runtime_error("cannot create a temporary folder");
}

} // namespace talur::test
