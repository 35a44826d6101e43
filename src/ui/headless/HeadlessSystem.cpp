#include "ui/headless/HeadlessSystem.h"

namespace orv::headless {

System& GetSystem() {
    static System system;
    return system;
}

}  // namespace orv::headless
