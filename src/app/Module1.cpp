#include "app/Module1.h"

namespace Module1 {

void reset() {
    state = State{};
}

} // namespace Module1
